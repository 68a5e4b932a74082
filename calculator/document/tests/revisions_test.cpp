// Issued revisions in the calculation file: kept once per priced state,
// written at once, read back checked, and opened again exactly as issued.
#include <gtest/gtest.h>

#include "document/calculation_file.h"
#include "document/revisions.h"
#include "document_files.h"
#include "mainwindow/file_menu.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

namespace fs = std::filesystem;
using testing::Folder;
using testing::ReadFile;
using testing::WriteFile;

// The rich configuration saved with a proposal number.
struct Saved {
    Saved() {
        BuildRichConfiguration(t.app);
        t.app.proposal.number = "КП-2026-0042";
        t.app.proposal.date = {2026, 12, 9};
        EXPECT_TRUE(SaveCalculation(t.app, file));
    }
    Folder folder;
    fs::path file = folder.path / "kp.veltra";
    testing::TestApp t;
};

TEST(Revisions, AnUnchangedDocumentKeepsItsRevisionAChangeMakesTheNext) {
    Saved s;
    App& app = s.t.app;
    const IssuedRevision* first =
        IssueRevision(app, IssuedAs::Pdf, "%PDF-1", "2026-12-09T10:00:00");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->number, "КП-2026-0042/1");
    EXPECT_EQ(first->documentSha256.size(), 64u);
    EXPECT_EQ(first->priceList, app.priceList);
    // Written at once: nothing else was unsaved.
    EXPECT_FALSE(HasUnsavedChanges(app));
    EXPECT_NE(ReadFile(s.file).find("\"revisions\": ["), std::string::npos);

    EXPECT_EQ(IssueRevision(app, IssuedAs::Print, "", "2026-12-09T11:00:00")->counter, 1);
    ASSERT_EQ(app.document.revisions.size(), 1u);

    app.state.config.QuotationDiscountPercent = 7;
    const IssuedRevision* second = IssueRevision(app, IssuedAs::Print, "", "2026-12-10T09:30:00");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->number, "КП-2026-0042/2");
    EXPECT_TRUE(second->documentSha256.empty());
    // The discount was unsaved: the revision waits for the save, with "*".
    EXPECT_TRUE(HasUnsavedChanges(app));
    ASSERT_TRUE(FileSave_Click(app));

    testing::TestApp opened;
    ASSERT_TRUE(OpenCalculation(opened.app, s.file));
    EXPECT_EQ(opened.app.document.revisions, app.document.revisions);
    EXPECT_FALSE(HasUnsavedChanges(opened.app));
    // Saved again unchanged: the same bytes.
    const std::string bytes = ReadFile(s.file);
    ASSERT_TRUE(SaveCalculation(opened.app, s.file));
    EXPECT_EQ(ReadFile(s.file), bytes);
    const auto rows = RevisionRows(opened.app);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].issued, "10.12.2026 09:30");
    EXPECT_EQ(rows[1].as, "печать");

    // An untitled calculation keeps none.
    testing::TestApp untitled;
    EXPECT_EQ(IssueRevision(untitled.app, IssuedAs::Pdf, "x", "2026-12-09T10:00:00"), nullptr);
}

TEST(Revisions, ARevisionOpensAsIssuedReadOnlyAlsoUnderAnotherPriceList) {
    Saved s;
    ASSERT_NE(IssueRevision(s.t.app, IssuedAs::Pdf, "%PDF", "2026-12-09T10:00:00"), nullptr);
    const Money issuedTotal = s.t.app.state.results.CalcTotal + s.t.app.state.results.AddTotal;
    const SavedCalculation issued = RevisionCalculation(s.t.app.document.revisions[0], s.t.app);

    // A new list with the first item dearer.
    const std::string code = issued.items[0].code;
    const fs::path list = testing::EditedPriceList(s.folder.path, code, "99999");
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, list);
    ASSERT_TRUE(OpenCalculation(app, s.file));
    EXPECT_NE(app.state.results.CalcTotal + app.state.results.AddTotal, issuedTotal);

    ASSERT_TRUE(OpenRevision(app, 1));
    EXPECT_EQ(app.state.results.CalcTotal + app.state.results.AddTotal, issuedTotal);
    EXPECT_EQ(CalculationText(TakeSnapshot(app, ""), false), CalculationText(issued, false));
    EXPECT_EQ(MainWindowTitle(app),
              std::string(kMainWindowTitle) + " - kp.veltra — редакция 1 (только просмотр)");
    EXPECT_TRUE(app.document.file.empty());
    // Saving asks for a new name, beside the file.
    platform.chosenFiles = {std::nullopt};
    EXPECT_FALSE(FileSave_Click(app));
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(SuggestedSavePath(app), (s.folder.path / "kp редакция 1.veltra").string());
    // A copy makes no revision of its own.
    EXPECT_EQ(IssueRevision(app, IssuedAs::Pdf, "x", "2026-12-09T12:00:00"), nullptr);
    // Saved, it is a calculation of its own, without the history.
    const fs::path copy = s.folder.path / "copy.veltra";
    ASSERT_TRUE(SaveCalculation(app, copy));
    EXPECT_EQ(ReadFile(copy).find("\"revisions\""), std::string::npos);
    EXPECT_TRUE(app.document.revisions.empty());

    // Leaving it puts the list's prices back.
    ASSERT_TRUE(OpenCalculation(app, s.file));
    EXPECT_EQ(app.catalogue[size_t(app.catalogue.Find(code))].ItemPrice,
              *Money::Parse("99999", '.'));
    EXPECT_EQ(app.document.viewedRevision, 0);
}

// A calculation written otherwise than the program writes it, with blanks
// and an escaped letter, reads as the same revision and saves as the
// program writes it.
TEST(Revisions, ACalculationWrittenOtherwiseSavesAsTheProgramWritesIt) {
    Saved s;
    ASSERT_NE(IssueRevision(s.t.app, IssuedAs::Pdf, "%PDF", "2026-12-09T10:00:00"), nullptr);
    const std::string good = ReadFile(s.file);
    std::string edited = good;
    const std::string from = "\"calculation\":{\"format\":\"veltra-calculation\"";
    const size_t at = edited.find(from);
    ASSERT_NE(at, std::string::npos);
    edited.replace(at, from.size(), "\"calculation\": {\"format\" : \"veltra-calcul\\u0061tion\"");
    WriteFile(s.file, edited);
    testing::TestApp t;
    ASSERT_TRUE(OpenCalculation(t.app, s.file));
    EXPECT_EQ(t.app.document.revisions, s.t.app.document.revisions);
    ASSERT_TRUE(SaveCalculation(t.app, s.file));
    EXPECT_EQ(ReadFile(s.file), good);
}

// Each hostile revision is one message naming what is wrong.
TEST(Revisions, BadRevisionsAreRefusedNamingTheValue) {
    Saved s;
    ASSERT_NE(IssueRevision(s.t.app, IssuedAs::Pdf, "%PDF", "2026-12-09T10:00:00"), nullptr);
    const std::string good = ReadFile(s.file);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from, text.find("\"revisions\""));
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const struct {
        std::string text, message;
    } cases[] = {
        {replaced("\"counter\":1", "\"counter\":0"), "«revisions[0].counter» = 0"},
        {replaced("\"issued\":\"2026-12-09T10:00:00\"", "\"issued\":\"вчера\""),
         "«revisions[0].issued»"},
        {replaced("\"documentSha256\":\"", "\"documentSha256\":\"z"),
         "«revisions[0].documentSha256»"},
        {replaced("\"vatMode\":\"included\"", "\"vatMode\":\"none\""), "не согласуется"},
        {replaced("\"PowerWarningShown\":false", "\"PowerWarningShown\":3"),
         "«revisions[0].calculation»): «configuration.PowerWarningShown» — не да/нет"},
        {replaced("\"revisions\": [", "\"revisions\": {"), "поврежден"},
        {replaced("\"calculation\":{", "\"calculation\":{\"revisions\":[],"), "сам содержит"},
    };
    for (const auto& c : cases) {
        WriteFile(s.file, c.text);
        testing::TestApp t;
        EXPECT_FALSE(OpenCalculation(t.app, s.file));
        ASSERT_EQ(t.platform.messages.size(), 1u) << c.message;
        EXPECT_NE(t.platform.messages[0].text.find(c.message), std::string::npos)
            << t.platform.messages[0].text;
    }
}

}  // namespace
}  // namespace veltra
