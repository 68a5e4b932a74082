#include "quotation_export.h"

#include <chrono>
#include <ctime>
#include <string>
#include <system_error>

#include "quotation.h"
#include "state/app.h"

namespace veltra {

namespace {

// A file name holds at most 255 bytes; the calculation's name gives way to
// the date, the number and the extension, at a whole character.
constexpr size_t kLongestName = 255 - std::char_traits<char>::length(" 2026-12-10 14-05 (99).xlsx");

std::string QuotationStem(const std::filesystem::path& calculation, const std::tm& time) {
    char stamp[32];
    if (calculation.empty()) {
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &time);
        return std::string("Расчет Veltra ") + stamp;
    }
    std::string name = calculation.stem().string();
    if (name.size() > kLongestName) {
        size_t end = kLongestName;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
        name.resize(end);
    }
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M", &time);
    return name + " " + stamp;
}

}  // namespace

std::filesystem::path UnusedPath(const std::filesystem::path& folder, const std::string& stem,
                                 const std::string& extension) {
    std::filesystem::path path = folder / (stem + extension);
    // A link holds its name whether or not it leads anywhere.
    const auto taken = [](const std::filesystem::path& p) {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::symlink_status(p, ignored));
    };
    for (int n = 2; taken(path); ++n)
        path = folder / (stem + " (" + std::to_string(n) + ")" + extension);
    return path;
}

std::filesystem::path ReportFolder(App& app) {
    if (const auto documents = app.platform.DocumentsFolder()) return *documents;
    std::error_code error;
    return std::filesystem::temp_directory_path(error);
}

std::filesystem::path NewQuotationPath(const std::filesystem::path& folder, const std::tm& time,
                                       const std::filesystem::path& calculation) {
    return UnusedPath(folder, QuotationStem(calculation, time), ".xlsx");
}

bool ExportQuotationTo(App& app, const std::filesystem::path& path, Publish publish) {
    const Sheet sheet = BuildQuotation(app);
    std::string error;
    // libxlsxwriter writes only to a path of its own opening: fopen(path,
    // "wb") at workbook_close, which truncates and follows a link (its own
    // scratch data goes to unnamed tmpfile() files). It is handed the staged
    // file: an empty file this process created exclusively under an
    // unguessable name. Only who may replace names in the folder could swap
    // it for a link before the fopen: the user, or in a shared folder such as
    // /tmp (sticky) only the file's owner. Commit checks that the file
    // written is still the one created.
    if (auto staged = StagedFile::Create(path, publish, error)) {
        if (WriteXlsx(sheet, staged->path(), error) && staged->Commit(error)) return true;
    }
    app.platform.ShowMessage(
        "Не удалось записать отчет в файл:\n" + path.string() + "\n\nПричина: " + error + ".",
        kAppTitle, MessageIcon::Critical);
    return false;
}

void ExportQuotation(App& app) {
    const std::filesystem::path folder = ReportFolder(app);
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const std::filesystem::path path = NewQuotationPath(folder, local, app.document.file);
    if (!ExportQuotationTo(app, path, Publish::KeepExisting)) return;
    if (!app.platform.OpenFile(path.string())) {
        app.platform.ShowMessage(
            "Отчет записан в файл:\n" + path.string() +
                "\n\nОткрыть его не удалось: не найдена программа для электронных таблиц.",
            kAppTitle, MessageIcon::Exclamation);
    }
}

}  // namespace veltra
