#include "file_menu.h"

#include <algorithm>
#include <system_error>

#include "catalogue_page.h"
#include "document/calculation_file.h"
#include "document/revisions.h"
#include "report/configuration_text.h"
#include "report/show_cabinet.h"

namespace veltra {

namespace {

const char* const kSuggestedName = "Расчет Veltra";

std::string Quoted(const std::string& name) {
    return "\u00AB" + name + "\u00BB";
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

// A control character, one byte (C0, DEL) or two in UTF-8 (C1).
size_t ControlAt(const std::string& text, size_t i) {
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    if (byte(i) < 0x20 || byte(i) == 0x7F) return 1;
    if (byte(i) == 0xC2 && i + 1 < text.size() && byte(i + 1) >= 0x80 && byte(i + 1) < 0xA0)
        return 2;
    return 0;
}

// The text's characters in UTF-8 (a stray byte is one of its own), controls
// as "?".
std::vector<std::string> ShownCharacters(const std::string& text) {
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        size_t length = ControlAt(text, i);
        if (length > 0) {
            characters.push_back("?");
        } else {
            length = 1;
            while (length < 4 && i + length < text.size() &&
                   (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
                ++length;
            characters.push_back(text.substr(i, length));
        }
        i += length;
    }
    return characters;
}

bool IsPlainPath(const std::string& path) {
    constexpr size_t kLongestPath = 4096, kLongestName = 255;  // as Linux takes them
    if (path.empty() || path.size() > kLongestPath || path[0] != '/') return false;
    size_t name = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (ControlAt(path, i) > 0) return false;
        name = path[i] == '/' ? 0 : name + 1;
        if (name > kLongestName) return false;
    }
    return true;
}

}  // namespace

std::string MainWindowTitle(const App& app) {
    std::string title = kMainWindowTitle;
    if (app.document.viewedRevision != 0)
        return title + " - " + app.document.viewedFrom.filename().string() +
               ViewedRevisionSuffix(app);
    if (app.document.file.empty()) return title;
    title += " - " + DocumentName(app);
    if (HasUnsavedChanges(app)) title += "*";
    return title;
}

bool MayLeaveCalculation(App& app) {
    if (!HasUnsavedChanges(app)) return true;
    const Answer answer = app.platform.AskYesNoCancel(
        "Сохранить изменения в расчете " + Quoted(DocumentName(app)) + "?", kAppTitle);
    switch (answer) {
        case Answer::Yes:
            return SaveCalculation(app, app.document.file);
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool OpenAndShow(App& app, MainFormModel& form, const std::filesystem::path& path) {
    if (!OpenCalculation(app, path)) return false;
    form.ListView1 = RefreshAddedItemsList(app);
    ShowConfiguration(app);
    // The picture is drawn when its sub-page is chosen; one on screen now
    // would show the calculation that was replaced.
    if (form.TabStrip1 == kTabCount && form.TabStrip3 == 1) ShowCabinet(app);
    return true;
}

void FileOpen_Click(App& app, MainFormModel& form) {
    if (!MayLeaveCalculation(app)) return;
    const auto chosen = app.platform.ChooseFileToOpen("Открыть расчет");
    if (chosen) OpenAndShow(app, form, *chosen);
}

void FileRecent_Click(App& app, MainFormModel& form, size_t index) {
    if (index >= app.document.recentFiles.size()) return;
    const std::string path = app.document.recentFiles[index];
    if (!MayLeaveCalculation(app) || OpenAndShow(app, form, path) || Exists(path)) return;
    auto& recent = app.document.recentFiles;
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
}

bool FileSave_Click(App& app) {
    if (app.document.file.empty()) return FileSaveAs_Click(app);
    return SaveCalculation(app, app.document.file);
}

bool FileSaveAs_Click(App& app) {
    const auto chosen =
        app.platform.ChooseFileToSave("Сохранить расчет как", SuggestedSavePath(app));
    if (!chosen || chosen->empty()) return false;
    const std::filesystem::path path = WithCalculationExtension(*chosen);
    // The dialog asked about the name it was given, not about this one.
    if (path != std::filesystem::path(*chosen) && Exists(path)) {
        const std::string question =
            "Файл " + Quoted(path.filename().string()) + " уже есть. Заменить его?";
        if (app.platform.AskYesNoCancel(question, kAppTitle) != Answer::Yes) return false;
    }
    return SaveCalculation(app, path);
}

void NewCalcMenu_Click(App& app, MainFormModel& form) {
    if (MayLeaveCalculation(app)) StartNewCalculation(app, form);
}

void StartNewCalculation(App& app, MainFormModel& form) {
    RestoreListPrices(app);
    NewCalc_Click(app, form);
    Document& document = app.document;
    document.file.clear();
    document.savedContent.clear();
    document.savedDate.clear();
    document.revisions.clear();
    document.savedRevisions = 0;
    document.viewedRevision = 0;
    document.viewedFrom.clear();
}

bool MainForm_QueryUnload(App& app) {
    return MayLeaveCalculation(app);
}

std::string SuggestedSavePath(App& app) {
    if (!app.document.file.empty()) return app.document.file.string();
    if (app.document.viewedRevision != 0) {
        // Beside the file it came from, never over it.
        const std::filesystem::path& from = app.document.viewedFrom;
        return (from.parent_path() /
                (from.stem().string() + " редакция " + std::to_string(app.document.viewedRevision) +
                 kCalculationExtension))
            .string();
    }
    const std::string name = std::string(kSuggestedName) + kCalculationExtension;
    const auto documents = app.platform.DocumentsFolder();
    return documents ? (std::filesystem::path(*documents) / name).string() : name;
}

std::filesystem::path WithCalculationExtension(const std::filesystem::path& path) {
    if (!path.has_filename() || path.has_extension()) return path;
    std::filesystem::path named = path;
    named += kCalculationExtension;
    return named;
}

std::string RecentFileCaption(const App& app, size_t index) {
    const std::filesystem::path path = app.document.recentFiles.at(index);
    const std::vector<std::string> name = ShownCharacters(path.filename().string());
    // The end holds the extension and the part that tells similar names apart.
    const size_t head = (kRecentCaptionLength - 1) / 2;
    const size_t tail = kRecentCaptionLength - 1 - head;
    std::string caption = std::to_string(index + 1) + " ";
    for (size_t i = 0; i < name.size(); ++i) {
        if (name.size() > kRecentCaptionLength && i == head) {
            caption += "\u2026";
            i = name.size() - tail;
        }
        caption += name[i];
    }
    return caption;
}

std::vector<std::string> PlainRecentFiles(const std::vector<std::string>& stored) {
    std::vector<std::string> files;
    for (const std::string& file : stored) {
        if (files.size() < kRecentFileCount && IsPlainPath(file) &&
            std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    }
    return files;
}

}  // namespace veltra
