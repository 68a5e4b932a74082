#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "document/calculation_file.h"
#include "handling/main_window_inputs.h"
#include "mainwindow/file_menu.h"
#include "mainwindow/main_form_pages.h"
#include "report/configuration_text.h"
#include "report/show_cabinet.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

namespace fs = std::filesystem;
using testing::TestApp;

const std::string kTitle = kMainWindowTitle;
const std::string kQuestion = "Сохранить изменения в расчете «Проба.veltra»?";

struct Folder {
    Folder() : path(fs::temp_directory_path() / ("veltra-menu-" + std::to_string(::getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

// A calculation saved as "Проба.veltra" through the menu, then changed.
struct ChangedFile {
    ChangedFile() {
        t.platform.documentsFolder = folder.path.string();
        t.platform.chosenFiles = {(folder.path / "Проба").string()};
        EXPECT_TRUE(FileSave_Click(t.app));
        SetFieldText(t.app, FieldId::BasicText, "5");
        t.platform.fileDialogs.clear();
    }
    std::string Basic() const { return t.Text(FieldId::BasicText); }
    fs::path file() const { return folder.path / "Проба.veltra"; }

    Folder folder;
    TestApp t;
    MainFormModel form;
};

TEST(FileMenu, TitleNamesTheFileAndMarksChangesUntilSaved) {
    Folder folder;
    TestApp t;
    t.platform.documentsFolder = folder.path.string();
    EXPECT_EQ(MainWindowTitle(t.app), kTitle);
    SetFieldText(t.app, FieldId::BasicText, "3");
    EXPECT_EQ(MainWindowTitle(t.app), kTitle);  // untitled: never a "*"

    // An untitled save is a "save as", offered in the documents folder.
    t.platform.chosenFiles = {(folder.path / "Проба").string()};
    ASSERT_TRUE(FileSave_Click(t.app));
    EXPECT_EQ(t.platform.fileDialogs,
              std::vector<std::string>{"Сохранить расчет как|" +
                                       (folder.path / "Расчет Veltra.veltra").string()});
    EXPECT_TRUE(fs::exists(folder.path / "Проба.veltra"));
    EXPECT_EQ(MainWindowTitle(t.app), kTitle + " - Проба.veltra");

    SetFieldText(t.app, FieldId::BasicText, "4");
    EXPECT_EQ(MainWindowTitle(t.app), kTitle + " - Проба.veltra*");
    SetFieldText(t.app, FieldId::BasicText, "3");  // back to what was saved
    EXPECT_EQ(MainWindowTitle(t.app), kTitle + " - Проба.veltra");
    SetFieldText(t.app, FieldId::BasicText, "4");
    ASSERT_TRUE(FileSave_Click(t.app));  // to its file, no dialog
    EXPECT_EQ(t.platform.fileDialogs.size(), 1u);
    EXPECT_EQ(MainWindowTitle(t.app), kTitle + " - Проба.veltra");

    // "Save as" offers the current file; cancelling it changes nothing.
    EXPECT_FALSE(FileSaveAs_Click(t.app));
    EXPECT_EQ(t.platform.fileDialogs.back(),
              "Сохранить расчет как|" + (folder.path / "Проба.veltra").string());
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(FileMenu, UntitledCalculationClosesAndResetsWithoutAQuestion) {
    TestApp t;
    MainFormModel form;
    SetFieldText(t.app, FieldId::BasicText, "7");
    EXPECT_TRUE(MainForm_QueryUnload(t.app));
    NewCalcMenu_Click(t.app, form);
    EXPECT_EQ(t.Text(FieldId::BasicText), "0");
    EXPECT_TRUE(t.platform.questions.empty());
    EXPECT_TRUE(t.platform.fileDialogs.empty());
}

TEST(FileMenu, ClosingAChangedFileAsksAndFollowsTheAnswer) {
    ChangedFile c;
    c.t.platform.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(MainForm_QueryUnload(c.t.app));
    EXPECT_TRUE(MainForm_QueryUnload(c.t.app));
    ASSERT_EQ(c.t.platform.questions.size(), 2u);
    EXPECT_EQ(c.t.platform.questions[0].text, kQuestion);
    EXPECT_EQ(c.t.platform.questions[0].title, kAppTitle);
    EXPECT_TRUE(HasUnsavedChanges(c.t.app));  // neither answer saved

    c.t.platform.answers = {Answer::Yes};
    EXPECT_TRUE(MainForm_QueryUnload(c.t.app));
    EXPECT_FALSE(HasUnsavedChanges(c.t.app));
    TestApp reopened;
    ASSERT_TRUE(OpenCalculation(reopened.app, c.file()));
    EXPECT_EQ(reopened.Text(FieldId::BasicText), "5");

    // "Да" with a save that fails: the window stays.
    SetFieldText(c.t.app, FieldId::BasicText, "6");
    fs::remove_all(c.folder.path);
    c.t.platform.answers = {Answer::Yes};
    EXPECT_FALSE(MainForm_QueryUnload(c.t.app));
    ASSERT_EQ(c.t.platform.messages.size(), 1u);
    EXPECT_NE(c.t.platform.messages[0].text.find(c.file().string()), std::string::npos);
}

TEST(FileMenu, NewCalculationOfAChangedFileAsksThenLeavesItUntitled) {
    ChangedFile c;
    c.t.platform.answers = {Answer::Cancel};
    NewCalcMenu_Click(c.t.app, c.form);
    EXPECT_EQ(c.Basic(), "5");
    EXPECT_EQ(MainWindowTitle(c.t.app), kTitle + " - Проба.veltra*");

    c.t.platform.answers = {Answer::No};
    NewCalcMenu_Click(c.t.app, c.form);
    EXPECT_EQ(c.Basic(), "0");
    EXPECT_EQ(MainWindowTitle(c.t.app), kTitle);
    EXPECT_FALSE(HasUnsavedChanges(c.t.app));
    EXPECT_EQ(c.t.platform.questions.size(), 2u);
    TestApp reopened;  // "Нет" saved nothing
    ASSERT_TRUE(OpenCalculation(reopened.app, c.file()));
    EXPECT_EQ(reopened.Text(FieldId::BasicText), "0");

    // A later save asks for a name again.
    SetFieldText(c.t.app, FieldId::BasicText, "2");
    EXPECT_FALSE(FileSave_Click(c.t.app));
    EXPECT_EQ(c.t.platform.fileDialogs.size(), 1u);
    EXPECT_EQ(c.t.platform.questions.size(), 2u);
}

TEST(FileMenu, OpeningAnotherFileAsksFirstAndShowsEverythingItHolds) {
    ChangedFile c;
    // The rich configuration with its hand-added items, saved by another run.
    const fs::path rich = c.folder.path / "rich.veltra";
    {
        TestApp other;
        BuildRichConfiguration(other.app);
        ASSERT_TRUE(SaveCalculation(other.app, rich));
    }
    c.t.platform.answers = {Answer::Cancel};
    c.t.platform.chosenFiles = {rich.string()};
    FileOpen_Click(c.t.app, c.form);
    EXPECT_TRUE(c.t.platform.fileDialogs.empty());  // stopped before the dialog
    EXPECT_EQ(c.Basic(), "5");

    // On the cabinet picture, the way a user would be when opening.
    TabStrip1_Click(c.t.app, c.form, kTabCount);
    const auto defaultPicture = PrintCabinet(c.t.app.main.cabinet);
    c.t.platform.answers = {Answer::Yes};
    FileOpen_Click(c.t.app, c.form);
    EXPECT_EQ(c.t.platform.fileDialogs, std::vector<std::string>{"Открыть расчет"});
    EXPECT_EQ(MainWindowTitle(c.t.app), kTitle + " - rich.veltra");
    EXPECT_TRUE(c.t.platform.messages.empty());
    EXPECT_EQ(c.form.ListView1.rows.size(), 2u);
    EXPECT_EQ(c.form.ListView1.total, RefreshAddedItemsList(c.t.app).total);
    const auto picture = PrintCabinet(c.t.app.main.cabinet);
    EXPECT_NE(picture, defaultPicture);
    ShowCabinet(c.t.app);
    EXPECT_EQ(picture, PrintCabinet(c.t.app.main.cabinet));
    const std::string text = c.t.app.main.ReportTxtLabel;
    ShowConfiguration(c.t.app);
    EXPECT_EQ(text, c.t.app.main.ReportTxtLabel);

    TestApp reopened;  // "Да" saved the telephones before the other file came
    ASSERT_TRUE(OpenCalculation(reopened.app, c.file()));
    EXPECT_EQ(reopened.Text(FieldId::BasicText), "5");
}

TEST(FileMenu, RecentFilesKeepTheLastFiveAndDropOneThatIsGone) {
    Folder folder;
    TestApp t;
    MainFormModel form;
    for (int i = 1; i <= 6; ++i) {
        t.platform.chosenFiles = {(folder.path / ("f" + std::to_string(i) + ".veltra")).string()};
        SetFieldText(t.app, FieldId::BasicText, std::to_string(i));
        ASSERT_TRUE(FileSaveAs_Click(t.app));
    }
    ASSERT_EQ(t.app.document.recentFiles.size(), kRecentFileCount);
    EXPECT_EQ(RecentFileCaption(t.app, 0), "1 f6.veltra");
    EXPECT_EQ(RecentFileCaption(t.app, 4), "5 f2.veltra");

    FileRecent_Click(t.app, form, 2);  // f4, unchanged calculation: no question
    EXPECT_EQ(t.Text(FieldId::BasicText), "4");
    EXPECT_EQ(RecentFileCaption(t.app, 0), "1 f4.veltra");
    EXPECT_TRUE(t.platform.questions.empty());

    fs::remove(folder.path / "f3.veltra");
    FileRecent_Click(t.app, form, 3);
    EXPECT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.Text(FieldId::BasicText), "4");
    ASSERT_EQ(t.app.document.recentFiles.size(), 4u);
    for (const std::string& file : t.app.document.recentFiles)
        EXPECT_EQ(file.find("f3.veltra"), std::string::npos) << file;
}

// Long names shortened in the middle; entries of the settings that are not
// plain paths dropped.
TEST(FileMenu, RecentFilesShowShortAndReadOnlyPlainPaths) {
    TestApp t;
    const std::string longest =
        std::string(120, 'a') + "Проект" + std::string(116, 'z') + ".veltra";  // 255 bytes
    t.app.document.recentFiles = {"/home/u/Расчет.veltra", "/home/u/" + longest,
                                  "/home/u/a\x1b]0;x\x07\n.veltra"};
    EXPECT_EQ(RecentFileCaption(t.app, 0), "1 Расчет.veltra");
    EXPECT_EQ(RecentFileCaption(t.app, 1),
              "2 " + std::string(24, 'a') + "\u2026" + std::string(18, 'z') + ".veltra");
    EXPECT_EQ(RecentFileCaption(t.app, 2), "3 a?]0;x??.veltra");
    const std::string cyrillic = "/" + std::string(30, 'x') + "\u0416\u0416" + std::string(30, 'y');
    t.app.document.recentFiles = {cyrillic};
    EXPECT_EQ(RecentFileCaption(t.app, 0),
              "1 " + std::string(24, 'x') + "\u2026" + std::string(25, 'y'));

    const std::string plain = "/home/u/" + longest;
    EXPECT_EQ(PlainRecentFiles({"", "relative.veltra", plain, "/a\nb.veltra", "/a\tb.veltra",
                                "/a\u0085b.veltra", "/" + std::string(100000, 'x'),
                                "/" + std::string(256, 'n'), plain, "/1", "/2", "/3", "/4", "/5"}),
              (std::vector<std::string>{plain, "/1", "/2", "/3", "/4"}));
}

TEST(FileMenu, SaveAsAddsTheExtensionAndAsksBeforeReplacingThatName) {
    EXPECT_EQ(WithCalculationExtension("/a/Расчет"), fs::path("/a/Расчет.veltra"));
    EXPECT_EQ(WithCalculationExtension("/a.b/c"), fs::path("/a.b/c.veltra"));
    EXPECT_EQ(WithCalculationExtension("/a/c.json"), fs::path("/a/c.json"));
    EXPECT_EQ(WithCalculationExtension("/a/c.veltra"), fs::path("/a/c.veltra"));

    Folder folder;
    TestApp t;
    std::ofstream(folder.path / "old.veltra") << "kept";
    t.platform.chosenFiles = {(folder.path / "old").string(), (folder.path / "old").string()};
    t.platform.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(FileSaveAs_Click(t.app));
    EXPECT_EQ(fs::file_size(folder.path / "old.veltra"), 4u);
    EXPECT_TRUE(t.app.document.file.empty());
    EXPECT_TRUE(FileSaveAs_Click(t.app));
    ASSERT_EQ(t.platform.questions.size(), 2u);
    EXPECT_EQ(t.platform.questions[0].text, "Файл «old.veltra» уже есть. Заменить его?");
    EXPECT_EQ(t.app.document.file, folder.path / "old.veltra");
    EXPECT_GT(fs::file_size(folder.path / "old.veltra"), 4u);
}

// Saving over a file keeps its permissions; a read-only one is not replaced
// even after the dialog's question, and the message says why.
TEST(FileMenu, SavingOverAFileKeepsItsPermissionsAndSparesAReadOnlyOne) {
    ChangedFile c;
    ASSERT_EQ(::chmod(c.file().c_str(), 0600), 0);
    ASSERT_TRUE(FileSave_Click(c.t.app));
    struct stat status {};
    ASSERT_EQ(::stat(c.file().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    ASSERT_EQ(::chmod(c.file().c_str(), 0444), 0);
    SetFieldText(c.t.app, FieldId::BasicText, "6");
    c.t.platform.chosenFiles = {c.file().string()};
    EXPECT_FALSE(FileSaveAs_Click(c.t.app));
    ASSERT_EQ(c.t.platform.messages.size(), 1u);
    EXPECT_NE(c.t.platform.messages[0].text.find("(файл только для чтения)"), std::string::npos);
    TestApp reopened;
    ASSERT_TRUE(OpenCalculation(reopened.app, c.file()));
    EXPECT_EQ(reopened.Text(FieldId::BasicText), "5");
}

}  // namespace
}  // namespace veltra
