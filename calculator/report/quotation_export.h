#pragma once
// "Отчет в Excel": the quotation goes into a new dated workbook file in the
// user's documents folder (the temporary folder when there is none), which
// the desktop is then asked to open. Every failure is told with the path.

#include <ctime>
#include <filesystem>

namespace veltra {

struct App;

// "Расчет Veltra 2026-12-08 14-05-09.xlsx" in folder; " (2)", " (3)" ...
// before the extension when that file exists already.
std::filesystem::path NewQuotationPath(const std::filesystem::path& folder, const std::tm& time);

// Writes the quotation to path; false after telling the user when it fails.
bool ExportQuotationTo(App& app, const std::filesystem::path& path);

void ExportQuotation(App& app);

}  // namespace veltra
