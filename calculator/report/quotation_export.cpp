#include "quotation_export.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "app/app.h"
#include "quotation.h"

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

bool ExportQuotationTo(App& app, const std::filesystem::path& path) {
    const Sheet sheet = BuildQuotation(app);
    std::string error;
    if (WriteXlsx(sheet, path, error)) return true;
    app.platform.ShowMessage("Не удалось записать отчет в файл:\n" + path.string() +
                                 "\n\nПроверьте, что папка существует и доступна для записи.",
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
    if (!ExportQuotationTo(app, path)) return;
    if (!app.platform.OpenFile(path.string())) {
        app.platform.ShowMessage(
            "Отчет записан в файл:\n" + path.string() +
                "\n\nОткрыть его не удалось: не найдена программа для электронных таблиц.",
            kAppTitle, MessageIcon::Exclamation);
    }
}

}  // namespace veltra
