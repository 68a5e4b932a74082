#include "batch_run.h"

#include <cctype>
#include <cstdio>
#include <system_error>

#include "catalogue/price_list.h"
#include "console_platform.h"
#include "data_folders.h"
#include "document/calculation_file.h"
#include "file_tools.h"
#include "report/configuration_text.h"
#include "report/proposal_export.h"
#include "report/quotation_export.h"
#include "startup.h"

namespace veltra {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "\u00AB" + path.string() + "\u00BB";
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code missing;  // either of them: then they are not one file
    return std::filesystem::equivalent(a, b, missing);
}

// extension in lower case: ".xlsx", ".pdf".
bool EndsIn(const std::string& name, const std::string& extension) {
    if (name.size() < extension.size()) return false;
    std::string end = name.substr(name.size() - extension.size());
    for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == extension;
}

// The workbook may not replace what the run reads, however the names are
// spelled (a link or a second hard link to it too). A name without ".xlsx"
// is only warned of: the workbook is written all the same.
bool MayWriteWorkbookTo(Platform& platform, const std::filesystem::path& workbook,
                        const std::filesystem::path& calculation,
                        const std::filesystem::path& priceList) {
    const char* input = SameFile(workbook, calculation)
                            ? "это файл расчета, из которого он строится"
                        : SameFile(workbook, priceList) ? "это прайс-лист, по которому он считается"
                                                        : nullptr;
    if (input) {
        platform.ShowMessage(
            "Отчет нельзя записать в файл " + Quoted(workbook) + ": " + input + ".", kAppTitle,
            MessageIcon::Critical);
        return false;
    }
    if (!EndsIn(workbook.filename().string(), ".xlsx")) {
        platform.ShowMessage("Внимание: имя файла отчета " + Quoted(workbook) +
                                 " не оканчивается на .xlsx; программа электронных таблиц может "
                                 "не узнать в нем книгу.",
                             kAppTitle, MessageIcon::Exclamation);
    }
    return true;
}

// The same for the proposal's PDF.
bool MayWriteProposalTo(Platform& platform, const std::filesystem::path& pdf,
                        const std::filesystem::path& calculation,
                        const std::filesystem::path& priceList) {
    const char* input = SameFile(pdf, calculation) ? "это файл расчета, из которого оно строится"
                        : SameFile(pdf, priceList) ? "это прайс-лист, по которому оно считается"
                                                   : nullptr;
    if (input) {
        platform.ShowMessage(
            "Коммерческое предложение нельзя записать в файл " + Quoted(pdf) + ": " + input + ".",
            kAppTitle, MessageIcon::Critical);
        return false;
    }
    if (!EndsIn(pdf.filename().string(), ".pdf")) {
        platform.ShowMessage("Внимание: имя файла коммерческого предложения " + Quoted(pdf) +
                                 " не оканчивается на .pdf; программа просмотра может не узнать "
                                 "в нем документ PDF.",
                             kAppTitle, MessageIcon::Exclamation);
    }
    return true;
}

}  // namespace

std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}

int RunWithoutWindow(const CommandLine& line, const std::filesystem::path& programFolder,
                     char decimalSeparator, const ProposalRenderer& renderPdf) {
    if (line.tool != FileTool::None) return RunFileTool(line, programFolder, decimalSeparator);
    ConsolePlatform platform;
    App app(platform, decimalSeparator);
    const auto folders = DataFolders(programFolder);
    std::optional<std::filesystem::path> priceList = FindDataFile(folders, "price.txt");
    if (line.priceList) priceList = *line.priceList;
    if (!priceList) {
        platform.ShowMessage(MissingPriceListMessage(folders), kAppTitle, MessageIcon::Critical);
        return 1;
    }
    if (line.exportXlsx &&
        !MayWriteWorkbookTo(platform, *line.exportXlsx, *line.calculation, *priceList))
        return 1;
    if (line.exportPdf &&
        !MayWriteProposalTo(platform, *line.exportPdf, *line.calculation, *priceList))
        return 1;
    bool done = false;
    try {
        RunEvent(app, [&] {
            StartUp(app, *priceList);
            if (!OpenCalculation(app, *line.calculation)) return;
            if (line.exportXlsx && !ExportQuotationTo(app, *line.exportXlsx)) return;
            if (line.exportPdf && !ExportProposalTo(app, *line.exportPdf, renderPdf)) return;
            if (line.printConfiguration) {
                std::string text = ConfigurationScreenText(ReadConfiguration(app));
                for (char& c : text) {
                    if (c == '\r') c = '\n';
                }
                if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
                    platform.ShowMessage("Не удалось вывести текст конфигурации.", kAppTitle,
                                         MessageIcon::Critical);
                    return;
                }
            }
            done = true;
        });
    } catch (const PriceListError& error) {
        platform.ShowMessage(error.what(), kAppTitle, MessageIcon::Critical);
    }
    return done ? 0 : 1;
}

}  // namespace veltra
