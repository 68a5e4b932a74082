#include "quotation_export.h"

#include <unistd.h>

#include <cerrno>
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
    std::error_code ignored;
    for (int n = 2; std::filesystem::exists(path, ignored); ++n)
        path = folder / (stem + " (" + std::to_string(n) + ").xlsx");
    return path;
}

namespace {

// Gives the finished file its name; false with the reason when it cannot.
bool MoveIntoPlace(const std::filesystem::path& part, const std::filesystem::path& path,
                   Publish publish, std::string& error) {
    std::error_code ec;
    if (publish == Publish::Replace) {
        std::filesystem::rename(part, path, ec);
        if (ec) error = ec.message();
        return !ec;
    }
    // A hard link fails when the name exists, so nothing is overwritten.
    if (::link(part.c_str(), path.c_str()) == 0) {
        std::filesystem::remove(part, ec);
        return true;
    }
    if (errno == EEXIST) {
        error = "the file exists already";
        return false;
    }
    // File systems without hard links: the small window between the check and
    // the rename is accepted there.
    if (std::filesystem::exists(path, ec)) {
        error = "the file exists already";
        return false;
    }
    std::filesystem::rename(part, path, ec);
    if (ec) error = ec.message();
    return !ec;
}

}  // namespace

bool ExportQuotationTo(App& app, const std::filesystem::path& path, Publish publish) {
    const Sheet sheet = BuildQuotation(app);
    std::filesystem::path part = path;
    part += ".part";
    std::string error;
    if (WriteXlsx(sheet, part, error) && MoveIntoPlace(part, path, publish, error)) return true;
    std::error_code ignored;
    std::filesystem::remove(part, ignored);
    app.platform.ShowMessage("Не удалось записать отчет в файл:\n" + path.string() +
                                 "\n\nПроверьте, что папка существует, доступна для записи "
                                 "и на диске есть место.",
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
