// VeltraCalculator: start-up with the About box as splash screen, then the
// main window; or, for --export-xlsx and --print-configuration, a run
// without a window.
#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "batch_run.h"
#include "catalogue/price_list.h"
#include "chm_help_viewer.h"
#include "command_line.h"
#include "data_folders.h"
#include "mainwindow/placement.h"
#include "mainwindow/qt/about_form.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/qt/power_msg.h"
#include "qt_platform.h"
#include "startup.h"
#include "startup_timing.h"
#include "widgets/conversions.h"
#include "widgets/look.h"

namespace {

QPoint CentredOnScreen(int width, int height) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    using veltra::PixelsToTwips;
    return veltra::ToPixels(veltra::CentreOnScreen(PixelsToTwips(screen.width()),
                                                   PixelsToTwips(screen.height()),
                                                   PixelsToTwips(width), PixelsToTwips(height)));
}

}  // namespace

int main(int argc, char** argv) {
    // Before the application object, so that --help and a mistyped option
    // need no display.
    const veltra::CommandLine line = veltra::ParseCommandLine(
        std::vector<std::string>(argv + 1, argv + argc), std::getenv(veltra::kPriceListVariable));
    if (!line.error.empty()) {
        std::fputs((line.error + "\n" + veltra::UsageText(argv[0])).c_str(), stderr);
        return 2;
    }
    if (line.help) {
        std::fputs(veltra::UsageText(argv[0]).c_str(), stdout);
        return 0;
    }
    // No application object on this road: it needs no display.
    if (line.withoutWindow()) {
        return veltra::RunWithoutWindow(line, veltra::ProgramFolder(argv[0]),
                                        veltra::SystemDecimalSeparator());
    }
    QApplication application(argc, argv);
    veltra::ApplyLook(application);
    veltra::QtPlatform platform;
    veltra::App app(platform, veltra::SystemDecimalSeparator());

    const std::vector<std::filesystem::path> folders =
        veltra::DataFolders(QCoreApplication::applicationDirPath().toStdString());
    std::vector<QString> helpFolders;
    for (const std::filesystem::path& folder : folders)
        helpFolders.push_back(QString::fromStdString(folder.string()));
    veltra::ChmHelpViewer help(platform, helpFolders);
    platform.SetHelpHandler([&help](const std::string& target, std::optional<int> context) {
        help.Show(target, context);
    });
    QWidget* mainWindow = nullptr;
    platform.SetPowerMessageHandler([&mainWindow] { veltra::PowerMsg::ShowCentred(mainWindow); });

    veltra::AboutForm splash(app, veltra::AboutForm::Mode::Splash);
    splash.move(CentredOnScreen(splash.width(), splash.height()));
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();

    std::optional<std::filesystem::path> priceList = veltra::FindDataFile(folders, "price.txt");
    if (line.priceList) priceList = *line.priceList;
    if (!priceList) {
        // The platform's box: names and paths are plain text, never markup.
        platform.ShowMessage(veltra::MissingPriceListMessage(folders), veltra::kAppTitle,
                             veltra::MessageIcon::Critical);
        return 1;
    }
    try {
        veltra::RunEvent(app, [&] { veltra::StartUp(app, *priceList); });
    } catch (const veltra::PriceListError& error) {
        platform.ShowMessage(error.what(), veltra::kAppTitle, veltra::MessageIcon::Critical);
        return 1;
    }

    veltra::MainForm window(app);
    mainWindow = &window;
    platform.SetParentWindow(&window);
    window.move(CentredOnScreen(veltra::TwipsToPixels(veltra::kMainFormWidth),
                                veltra::TwipsToPixels(veltra::kMainFormHeight)));
    QSettings settings("Dorvesk", "VeltraCalculator");
    window.KeepRecentFilesIn(settings);
    window.KeepSellerDetailsIn(settings);
    veltra::InstallStartupTiming(window, splash);
    splash.SetTimerAction([&window, &line] {
        window.show();
        // Once the splash box is gone, so that a message shows over the window.
        if (line.calculation) {
            QTimer::singleShot(0, &window,
                               [&window, &line] { window.OpenCalculationFile(*line.calculation); });
        }
    });
    return application.exec();
}
