// The proposal and seller dialogs' models, their checks, the dates typed
// into them and the seller's settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "dialogs/proposal_dialog.h"
#include "dialogs/seller_dialog.h"
#include "dialogs/seller_settings.h"
#include "state/calendar_date_input.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

constexpr CalendarDate kToday{2026, 12, 9};

TEST(CalendarDateInput, TypedAndFileDatesAndTheirArithmetic) {
    EXPECT_EQ(ParseTypedDate(" 9.1.2026 "), (CalendarDate{2026, 1, 9}));
    EXPECT_EQ(ParseTypedDate("29.02.2024"), (CalendarDate{2024, 2, 29}));
    for (const char* bad : {"29.02.2026", "31.04.2026", "00.12.2026", "09.13.2026", "09.12.26",
                            "09.12.20260", "09-12-2026", "1.1.1899", "1.1.3000", "", "9..2026"})
        EXPECT_FALSE(ParseTypedDate(bad)) << bad;
    EXPECT_EQ(TypedDateText({2026, 1, 9}), "09.01.2026");
    EXPECT_EQ(TypedDateText({}), "");
    EXPECT_EQ(ParseFileDate("2026-12-09"), kToday);
    EXPECT_FALSE(ParseFileDate("2026-2-09"));
    EXPECT_FALSE(ParseFileDate("2100-02-29"));  // no leap year
    EXPECT_TRUE(ParseFileDate("2000-02-29"));
    EXPECT_EQ(FileDateText(kToday), "2026-12-09");

    EXPECT_EQ(AddDays(kToday, 30), (CalendarDate{2027, 1, 8}));
    EXPECT_EQ(AddDays({2024, 2, 28}, 1), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(AddDays({2026, 3, 1}, -1), (CalendarDate{2026, 2, 28}));
    EXPECT_EQ(AddDays({1999, 12, 31}, 366 + 365), (CalendarDate{2001, 12, 31}));
    EXPECT_EQ(DaysBetween({1900, 1, 1}, {2999, 12, 31}), 401766);
    EXPECT_EQ(AddDays({1900, 1, 1}, 401766), (CalendarDate{2999, 12, 31}));
}

TEST(ProposalDialog, NewProposalStartsFromTheSellerAndFollowsItsDate) {
    testing::TestApp t;
    t.app.seller.nextNumber = 42;
    t.app.seller.validityDays = 10;
    t.app.seller.vatMode = VatMode::None;
    t.app.seller.vatExemptReason = "УСН";
    t.app.seller.paymentTerms = "Предоплата";
    t.app.proposal.customerOrganisation = "АО «Ромашка»";  // kept
    ProposalDialog d = OpenProposalDialog(t.app, kToday);
    EXPECT_EQ(d.entry(ProposalField::Number).text, "КП-2026-0042");
    EXPECT_EQ(d.entry(ProposalField::Date).text, "09.12.2026");
    EXPECT_EQ(d.entry(ProposalField::ValidUntil).text, "19.12.2026");
    EXPECT_EQ(d.entry(ProposalField::Customer).text, "АО «Ромашка»");
    EXPECT_EQ(d.entry(ProposalField::Payment).text, "Предоплата");
    EXPECT_EQ(d.vatMode, VatMode::None);
    EXPECT_TRUE(d.entry(ProposalField::VatReason).enabled);
    EXPECT_FALSE(d.entry(ProposalField::VatRate).enabled);
    EXPECT_FALSE(d.entry(ProposalField::Rate).enabled);

    // The offered number and the default validity follow the date ...
    SetProposalText(d, ProposalField::Date, "28.12.2027");
    EXPECT_EQ(d.entry(ProposalField::Number).text, "КП-2027-0042");
    EXPECT_EQ(d.entry(ProposalField::ValidUntil).text, "07.01.2028");
    // ... until typed over.
    SetProposalText(d, ProposalField::ValidUntil, "31.01.2028");
    SetProposalText(d, ProposalField::Number, "КП-2027-0042/1");
    SetProposalText(d, ProposalField::Date, "20.01.2028");
    EXPECT_EQ(d.entry(ProposalField::Number).text, "КП-2027-0042/1");
    EXPECT_EQ(d.entry(ProposalField::ValidUntil).text, "31.01.2028");
    EXPECT_TRUE(t.app.proposal.number.empty());  // nothing stored while open

    // A typed number leaves the counter where it was.
    ConfirmProposal(t.app, d, ProposalDialogResult::Pdf);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(d.result, ProposalDialogResult::Pdf);
    EXPECT_EQ(t.app.proposal.number, "КП-2027-0042/1");
    EXPECT_EQ(t.app.proposal.date, (CalendarDate{2028, 1, 20}));
    EXPECT_EQ(t.app.proposal.vatExemptReason, "УСН");
    EXPECT_EQ(t.app.seller.nextNumber, 42);
}

TEST(ProposalDialog, TakingTheOfferedNumberMovesTheCounterOnce) {
    testing::TestApp t;
    ProposalDialog cancelled = OpenProposalDialog(t.app, kToday);
    CancelProposal(cancelled);
    EXPECT_EQ(cancelled.result, ProposalDialogResult::Cancelled);
    ProposalDialog d = OpenProposalDialog(t.app, kToday);
    SelectProposalCurrency(d, ProposalCurrency::RUB);
    SetProposalText(d, ProposalField::Rate, "95.5");  // either separator
    SetProposalText(d, ProposalField::RateDate, "08.12.2026");
    SetProposalText(d, ProposalField::Markup, "2,5");
    SelectProposalVatMode(d, VatMode::OnTop);
    SetProposalText(d, ProposalField::VatRate, "20 %");
    SetProposalText(d, ProposalField::Note, "Первая строка\nвторая");
    SetProposalCabinetPage(d, true);
    ConfirmProposal(t.app, d, ProposalDialogResult::Saved);
    ASSERT_TRUE(d.closed);
    const ProposalDetails& p = t.app.proposal;
    EXPECT_EQ(p.number, "КП-2026-0001");
    EXPECT_EQ(t.app.seller.nextNumber, 2);
    EXPECT_EQ(p.currency, ProposalCurrency::RUB);
    EXPECT_EQ(p.rate, Money::FromRaw(955000));
    EXPECT_EQ(p.rateMarkupPercent, Money::FromRaw(25000));
    EXPECT_EQ(p.vatMode, VatMode::OnTop);
    EXPECT_EQ(p.vatRate, 20);
    EXPECT_EQ(p.note, "Первая строка\nвторая");
    EXPECT_TRUE(p.cabinetPage);

    // Opened again: its own number, nothing offered, the texts as stored.
    ProposalDialog again = OpenProposalDialog(t.app, {2027, 3, 1});
    EXPECT_TRUE(again.offeredNumber.empty());
    EXPECT_EQ(again.entry(ProposalField::Rate).text, "95,5");
    EXPECT_EQ(again.entry(ProposalField::Date).text, "09.12.2026");
    ConfirmProposal(t.app, again, ProposalDialogResult::Print);
    EXPECT_EQ(t.app.seller.nextNumber, 2);
    EXPECT_EQ(t.app.proposal, p);
}

// Each refused entry: its message, the focus on it, nothing stored.
TEST(ProposalDialog, RefusedEntriesSayWhyAndKeepTheDialogOpen) {
    testing::TestApp t;
    const std::string tooLong(301, 'x');
    const struct {
        ProposalField field;
        std::string text;
        bool rub;
        const char* says;
    } cases[] = {
        {ProposalField::Customer, tooLong, false, "не больше 300 знаков, в нем 301"},
        {ProposalField::Customer, "ООО\x01", false, "управляющий символ"},
        {ProposalField::Customer, "\xC3\x28", false, "UTF-8"},
        {ProposalField::Contact, "Иванов\nПетров", false, "одну строку"},
        {ProposalField::Note, std::string(3001, 'a'), false, "не больше 3000"},
        {ProposalField::Number, "  ", false, "Укажите номер"},
        {ProposalField::Date, "31.02.2026", false, "«31.02.2026» — не дата"},
        {ProposalField::Date, "", false, "не заполнено"},
        {ProposalField::ValidUntil, "08.12.2026", false, "раньше его даты 09.12.2026"},
        {ProposalField::Rate, "0", true, "положительное число"},
        {ProposalField::Rate, "-3", true, "положительное число"},
        {ProposalField::Rate, "1e3", true, "положительное число"},
        {ProposalField::Rate, "100000,01", true, "не больше 100 000"},
        {ProposalField::RateDate, "", true, "не заполнено"},
        {ProposalField::Markup, "101", true, "от 0 до 100"},
        {ProposalField::Markup, "-1", true, "от 0 до 100"},
        {ProposalField::VatRate, "2,5", false, "целое число процентов"},
        {ProposalField::VatRate, "100", false, "от 0 до 99"},
    };
    for (const auto& c : cases) {
        ProposalDialog d = OpenProposalDialog(t.app, kToday);
        if (c.rub) {
            SelectProposalCurrency(d, ProposalCurrency::RUB);
            SetProposalText(d, ProposalField::Rate, "95");
            SetProposalText(d, ProposalField::RateDate, "09.12.2026");
        }
        SetProposalText(d, c.field, c.text);
        t.platform.messages.clear();
        ConfirmProposal(t.app, d, ProposalDialogResult::Saved);
        EXPECT_FALSE(d.closed) << c.text;
        EXPECT_EQ(d.focus, c.field) << c.text;
        ASSERT_EQ(t.platform.messages.size(), 1u) << c.text;
        EXPECT_NE(t.platform.messages[0].text.find(c.says), std::string::npos)
            << t.platform.messages[0].text;
        EXPECT_EQ(t.app.proposal, ProposalDetails{});
        EXPECT_EQ(t.app.seller.nextNumber, 1);
    }
    // No VAT needs its reason; with dollars the rate's entries are not read.
    ProposalDialog d = OpenProposalDialog(t.app, kToday);
    SelectProposalVatMode(d, VatMode::None);
    SetProposalText(d, ProposalField::Rate, "abc");
    ConfirmProposal(t.app, d, ProposalDialogResult::Saved);
    EXPECT_EQ(d.focus, ProposalField::VatReason);
    SetProposalText(d, ProposalField::VatReason, "УСН");
    ConfirmProposal(t.app, d, ProposalDialogResult::Saved);
    EXPECT_TRUE(d.closed);
    EXPECT_EQ(t.app.proposal.rate, Money());
}

TEST(SellerDialog, EntriesSampleNumberChecksAndLogo) {
    testing::TestApp t;
    SellerDialog d = OpenSellerDialog(t.app, kToday);
    EXPECT_EQ(d.entry(SellerField::NextNumber).text, "1");
    EXPECT_EQ(d.entry(SellerField::ValidityDays).text, "30");
    EXPECT_EQ(d.numberSample, "Номер следующего предложения: КП-2026-0001");
    SetSellerDialogText(d, SellerField::NumberPrefix, "");
    SetSellerDialogText(d, SellerField::NextNumber, "123456");
    EXPECT_EQ(d.numberSample, "Номер следующего предложения: 2026-123456");
    SetSellerDialogText(d, SellerField::NextNumber, "0");
    EXPECT_EQ(d.numberSample, "");

    const struct {
        SellerField field;
        const char* text;
        const char* says;
    } refused[] = {
        {SellerField::NextNumber, "0", "от 1 до 999999"},
        {SellerField::ValidityDays, "3651", "от 1 до 3650"},
        {SellerField::ValidityDays, "тридцать", "целое число дней"},
        {SellerField::Email, "sales.example.ru", "не адрес электронной почты"},
        {SellerField::NumberPrefix, "КП-ОТДЕЛ-ПРОДАЖ-МОСКВА", "не больше 20 знаков"},
        {SellerField::VatRate, "120", "от 0 до 99"},
    };
    for (const auto& c : refused) {
        SellerDialog dialog = OpenSellerDialog(t.app, kToday);
        SetSellerDialogText(dialog, c.field, c.text);
        t.platform.messages.clear();
        ConfirmSeller(t.app, dialog);
        EXPECT_FALSE(dialog.closed) << c.text;
        EXPECT_EQ(dialog.focus, c.field) << c.text;
        ASSERT_EQ(t.platform.messages.size(), 1u);
        EXPECT_NE(t.platform.messages[0].text.find(c.says), std::string::npos)
            << t.platform.messages[0].text;
    }
    EXPECT_EQ(t.app.seller, SellerDetails{});

    const auto folder =
        std::filesystem::temp_directory_path() / ("veltra-logo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "logo.png", std::ios::binary)
        << std::string("\x89PNG\r\n\x1A\n....", 12);
    std::ofstream(folder / "logo.jpg", std::ios::binary) << "\xFF\xD8\xFF\xE0";
    std::ofstream(folder / "logo.txt") << "not a picture";
    SellerDialog dialog = OpenSellerDialog(t.app, kToday);
    EXPECT_EQ(dialog.logoCaption, "не выбран");
    EXPECT_FALSE(dialog.clearLogo.enabled);
    t.platform.messages.clear();
    for (const char* name : {"logo.txt", "none.png"})
        ChooseSellerLogo(t.app, dialog, (folder / name).string());
    ASSERT_EQ(t.platform.messages.size(), 2u);
    EXPECT_NE(t.platform.messages[0].text.find("не рисунок PNG или JPEG"), std::string::npos);
    EXPECT_NE(t.platform.messages[1].text.find("не найден"), std::string::npos);
    EXPECT_TRUE(dialog.logoPath.empty());
    ChooseSellerLogo(t.app, dialog, (folder / "logo.jpg").string());
    EXPECT_EQ(LogoProblem((folder / "logo.png").string()), "");
    EXPECT_EQ(dialog.logoCaption, "logo.jpg");
    EXPECT_TRUE(dialog.clearLogo.enabled);

    SetSellerDialogText(dialog, SellerField::Organisation, "  ООО «Связь»  ");
    SetSellerDialogText(dialog, SellerField::BankDetails, "р/с 407\nБИК 044");
    SelectSellerVatMode(dialog, VatMode::None);
    ConfirmSeller(t.app, dialog);
    EXPECT_FALSE(dialog.closed);  // no VAT needs its reason
    SetSellerDialogText(dialog, SellerField::VatReason, "УСН");
    ConfirmSeller(t.app, dialog);
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(t.app.seller.organisation, "ООО «Связь»");
    EXPECT_EQ(t.app.seller.bankDetails, "р/с 407\nБИК 044");
    EXPECT_EQ(t.app.seller.logoPath, (folder / "logo.jpg").string());
    EXPECT_EQ(t.app.seller.vatMode, VatMode::None);
    std::filesystem::remove_all(folder);
}

TEST(SellerSettings, KeptAndReadBackAndAHandEditedValueFallsBack) {
    SellerDetails seller;
    seller.organisation = "ООО «Связь»";
    seller.bankDetails = "р/с 407\nБИК 044";
    seller.nextNumber = 42;
    seller.validityDays = 14;
    seller.vatMode = VatMode::OnTop;
    seller.vatRate = 20;
    seller.logoPath = "/home/user/logo.png";
    std::map<std::string, std::string> kept;
    for (const auto& [key, text] : SellerSettings(seller)) kept[key] = text;
    const auto read = [&kept](const std::string& key) -> std::optional<std::string> {
        const auto found = kept.find(key);
        if (found == kept.end()) return std::nullopt;
        return found->second;
    };
    EXPECT_EQ(SellerFromSettings(read), seller);

    kept["nextNumber"] = "-5";
    kept["validityDays"] = "много";
    kept["organisation"] = std::string(400, 'x');
    kept["vatMode"] = "none";  // without a reason
    kept.erase("telephone");
    SellerDetails expected = seller;
    expected.organisation.clear();
    expected.nextNumber = 1;
    expected.validityDays = kDefaultValidityDays;
    expected.vatMode = VatMode::Included;
    EXPECT_EQ(SellerFromSettings(read), expected);
    EXPECT_EQ(SellerFromSettings([](const std::string&) { return std::nullopt; }), SellerDetails{});
}

}  // namespace
}  // namespace veltra
