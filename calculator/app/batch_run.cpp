#include "batch_run.h"

#include <cstdio>
#include <system_error>

#include "catalogue/price_list.h"
#include "console_platform.h"
#include "data_folders.h"
#include "document/calculation_file.h"
#include "report/configuration_text.h"
#include "report/quotation_export.h"
#include "startup.h"

namespace veltra {

std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}

int RunWithoutWindow(const CommandLine& line, const std::filesystem::path& programFolder,
                     char decimalSeparator, const ProposalRenderer& renderPdf) {
    ConsolePlatform platform;
    App app(platform, decimalSeparator);
    const auto folders = DataFolders(programFolder);
    std::optional<std::filesystem::path> priceList = FindDataFile(folders, "price.txt");
    if (line.priceList) priceList = *line.priceList;
    if (!priceList) {
        platform.ShowMessage(MissingPriceListMessage(folders), kAppTitle, MessageIcon::Critical);
        return 1;
    }
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
