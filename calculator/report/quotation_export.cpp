#include "quotation_export.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "quotation.h"
#include "state/app.h"

namespace veltra {

std::filesystem::path NewQuotationPath(const std::filesystem::path& folder, const std::tm& time) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &time);
    const std::string stem = std::string("Расчет Veltra ") + stamp;
    std::filesystem::path path = folder / (stem + ".xlsx");
    // A link holds its name whether or not it leads anywhere.
    const auto taken = [](const std::filesystem::path& p) {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::symlink_status(p, ignored));
    };
    for (int n = 2; taken(path); ++n) path = folder / (stem + " (" + std::to_string(n) + ").xlsx");
    return path;
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
    std::filesystem::path folder;
    if (const auto documents = app.platform.DocumentsFolder()) {
        folder = *documents;
    } else {
        std::error_code error;
        folder = std::filesystem::temp_directory_path(error);
    }
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const std::filesystem::path path = NewQuotationPath(folder, local);
    if (!ExportQuotationTo(app, path, Publish::KeepExisting)) return;
    if (!app.platform.OpenFile(path.string())) {
        app.platform.ShowMessage(
            "Отчет записан в файл:\n" + path.string() +
                "\n\nОткрыть его не удалось: не найдена программа для электронных таблиц.",
            kAppTitle, MessageIcon::Exclamation);
    }
}

}  // namespace veltra
