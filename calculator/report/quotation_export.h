#pragma once
// "Отчет в Excel": the quotation goes into a new dated workbook file in the
// user's documents folder (the temporary folder when there is none), which
// the desktop is then asked to open. Every failure is told with the path
// and the reason.

#include <ctime>
#include <filesystem>

#include "catalogue/staged_file.h"

namespace veltra {

struct App;

// "Расчет Veltra 2026-12-08 14-05-09.xlsx" in folder; " (2)", " (3)" ...
// before the extension when that name is taken already (by a link too).
std::filesystem::path NewQuotationPath(const std::filesystem::path& folder, const std::tm& time);

// Writes the quotation as a StagedFile beside path and gives it that name
// only when complete, so a failed write (folder gone, disk full) leaves no
// partial workbook and an earlier file untouched. With KeepExisting a file
// that appeared under that name meanwhile is never overwritten; Replace
// keeps a replaced file's permissions and a link chosen as the name (see
// Publish). False after telling the user why.
bool ExportQuotationTo(App& app, const std::filesystem::path& path,
                       Publish publish = Publish::Replace);

void ExportQuotation(App& app);

}  // namespace veltra
