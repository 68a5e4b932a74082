// The proposal's details in the calculation file: kept exactly, a version 1
// file opened as it always was, and every value checked as the dialog does.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/calculation_file.h"
#include "document_files.h"
#include "mainwindow/file_menu.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

namespace fs = std::filesystem;
using testing::Folder;
using testing::ReadFile;

ProposalDetails FullDetails() {
    ProposalDetails d;
    d.customerOrganisation = "АО «Ромашка»";
    d.customerContact = "Иванов И. И.";
    d.customerReach = "+7 495 123-45-67, ivanov@romashka.ru";
    d.number = "КП-2026-0042";
    d.date = {2026, 12, 9};
    d.validUntil = {2027, 1, 8};
    d.currency = ProposalCurrency::RUB;
    d.rate = Money::FromRaw(955000);
    d.rateDate = {2026, 12, 8};
    d.rateMarkupPercent = Money::FromRaw(20000);
    d.vatMode = VatMode::OnTop;
    d.vatRate = 20;
    d.paymentTerms = "50 % предоплата,\n50 % по готовности";
    d.deliveryTerms = "Самовывоз со склада в Москве";
    d.warranty = "12 месяцев";
    d.note = "Монтаж — отдельным договором";
    d.cabinetPage = true;
    return d;
}

TEST(ProposalFile, DetailsSaveAndOpenExactlyAndMarkTheCalculationChanged) {
    Folder folder;
    testing::TestApp saving;
    BuildRichConfiguration(saving.app);
    saving.app.proposal = FullDetails();
    const fs::path file = folder.path / "kp.veltra";
    ASSERT_TRUE(SaveCalculation(saving.app, file));
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    EXPECT_NE(text.find("\"rate\": \"95.5\""), std::string::npos);
    EXPECT_NE(text.find("\"validUntil\": \"2027-01-08\""), std::string::npos);

    testing::TestApp opening;
    ASSERT_TRUE(OpenCalculation(opening.app, file));
    EXPECT_TRUE(opening.platform.messages.empty());
    EXPECT_EQ(opening.app.proposal, FullDetails());
    EXPECT_FALSE(HasUnsavedChanges(opening.app));
    const fs::path again = folder.path / "again.veltra";
    ASSERT_TRUE(SaveCalculation(opening.app, again));
    EXPECT_EQ(ReadFile(again), text);

    opening.app.proposal.warranty = "24 месяца";
    EXPECT_TRUE(HasUnsavedChanges(opening.app));
    EXPECT_EQ(MainWindowTitle(opening.app).back(), '*');
    // "Новый расчет" starts a new proposal too.
    opening.platform.answers = {Answer::No};
    NewCalcMenu_Click(opening.app, opening.app.form);
    EXPECT_EQ(opening.app.proposal, ProposalDetails{});
}

TEST(ProposalFile, AVersionOneFileOpensUnchangedWithoutDetails) {
    const fs::path sample =
        fs::path(VELTRA_PRICE_LIST).parent_path() / "scenario/tests/rich_calculation.veltra";
    ASSERT_NE(ReadFile(sample).find("\"version\": 1,"), std::string::npos);
    testing::TestApp t;
    t.app.proposal = FullDetails();  // replaced by the file's none
    ASSERT_TRUE(OpenCalculation(t.app, sample));
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.app.proposal, ProposalDetails{});
    EXPECT_FALSE(HasUnsavedChanges(t.app));

    Folder folder;
    ASSERT_TRUE(SaveCalculation(t.app, folder.path / "v2.veltra"));
    EXPECT_NE(ReadFile(folder.path / "v2.veltra").find("\"version\": 2,"), std::string::npos);
}

// Each kind of bad detail is one message naming it; nothing changes.
TEST(ProposalFile, BadDetailsAreRefusedAsTheDialogRefusesThem) {
    Folder folder;
    testing::TestApp t;
    t.app.proposal = FullDetails();
    const fs::path good = folder.path / "good.veltra";
    ASSERT_TRUE(SaveCalculation(t.app, good));
    const std::string text = ReadFile(good);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string edited = text;
        const size_t at = edited.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? edited : edited.replace(at, from.size(), to);
    };
    const std::string customer = "\"customerOrganisation\": \"АО «Ромашка»\"";
    const struct {
        std::string text, reason;
    } cases[] = {
        {replaced("\"2026-12-09\"", "\"2026-02-31\""), "«proposal.date» = «2026-02-31» — не дата"},
        {replaced("\"2027-01-08\"", "\"2026-12-01\""), "раньше его даты"},
        {replaced("\"95.5\"", "\"-1\""), "курс — положительное число"},
        {replaced("\"95.5\"", "\"0\""), "курс — положительное число"},
        {replaced("\"95.5\"", "\"курс\""), "«proposal.rate» = «курс» — не число"},
        {replaced("\"rateDate\": \"2026-12-08\"", "\"rateDate\": \"\""), "дату курса"},
        {replaced("\"currency\": \"RUB\"", "\"currency\": \"EUR\""), "не USD и не RUB"},
        {replaced("\"ontop\"", "\"sometimes\""), "«proposal.vatMode»"},
        {replaced("\"vatRate\": 20", "\"vatRate\": 100"), "от 0 до 99"},
        {replaced("\"vatRate\": 20", "\"vatRate\": -20"), "от 0 до 99"},
        {replaced("\"vatRate\": 20", "\"vatRate\": 18446744073709551615"), "от 0 до 99"},
        {replaced("\"vatRate\": 20", "\"vatRate\": 2.5"), "«proposal.vatRate» — не целое"},
        {replaced("\"cabinetPage\": true", "\"cabinetPage\": 1"), "не да/нет"},
        {replaced(customer, "\"customerOrganisation\": \"" + std::string(301, 'x') + "\""),
         "поле «Организация» может содержать не больше 300 знаков"},
        {replaced(customer, "\"customerOrganisation\": \"\\u001b[2J\""), "управляющий символ"},
        {replaced(customer, "\"customerOrganisation\": 5"), "«proposal.customerOrganisation»"},
        {replaced("\"note\":", "\"notes\":"), "нет значения «proposal.note»"},
        {replaced("\"proposal\": {", "\"proposal\": 5, \"x\": {"), "«proposal» — не набор"},
        {replaced("\"proposal\":", "\"proposals\":"), "нет значения «proposal»"},
    };
    for (const auto& c : cases) {
        const fs::path path = folder.path / "bad.veltra";
        std::ofstream(path, std::ios::binary) << c.text;
        t.platform.messages.clear();
        EXPECT_FALSE(OpenCalculation(t.app, path)) << c.reason;
        ASSERT_EQ(t.platform.messages.size(), 1u) << c.reason;
        EXPECT_NE(t.platform.messages[0].text.find(c.reason), std::string::npos)
            << t.platform.messages[0].text;
        EXPECT_EQ(t.app.proposal, FullDetails());
    }
}

}  // namespace
}  // namespace veltra
