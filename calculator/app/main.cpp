// VeltraCalculator: start-up with the About box as splash screen, then the
// main window; or, for --export-xlsx, --export-pdf and --print-configuration,
// a run without a window.
#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "batch_run.h"
#include "catalogue/price_list.h"
#include "chm_help_viewer.h"
#include "command_line.h"
#include "console_platform.h"
#include "data_folders.h"
#include "mainwindow/help_entries.h"
#include "mainwindow/interface_scale.h"
#include "mainwindow/placement.h"
#include "mainwindow/qt/about_form.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/qt/power_msg.h"
#include "qt_platform.h"
#include "report/qt/proposal_output.h"
#include "scaled_application.h"
#include "startup.h"
#include "startup_timing.h"
#include "toolkit_translations.h"
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

// The proposal's fonts and painting need the toolkit: on the offscreen
// platform, whatever the toolkit options say, and with its own warnings
// (no runtime folder and the like) kept off standard error, which carries
// the run's messages.
int ExportPdfWithoutDisplay(const veltra::CommandLine& line, char* argv0) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fputs(qPrintable(text + "\n"), stderr);
    });
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv0, nullptr};
    QGuiApplication toolkit(toolkitArgc, toolkitArgv);
    return veltra::RunWithoutWindow(line, veltra::ProgramFolder(argv0),
                                    veltra::SystemDecimalSeparator(), veltra::RenderProposalPdf);
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
    if (line.withoutWindow() && !line.exportPdf) {
        return veltra::RunWithoutWindow(line, veltra::ProgramFolder(argv[0]),
                                        veltra::SystemDecimalSeparator());
    }
    if (line.withoutWindow()) return ExportPdfWithoutDisplay(line, argv[0]);
    // The interface scale: the command line's, else the one chosen in the menu.
    QSettings early("Dorvesk", "VeltraCalculator");
    const int chosenScale = veltra::ParseInterfaceScale(
                                early.value(veltra::kInterfaceScaleKey).toString().toStdString())
                                .value_or(100);
    veltra::ConsolePlatform probePlatform;
    const veltra::App probe(probePlatform);
    veltra::ScaledStart scaled;
    const std::unique_ptr<QApplication> toolkit = veltra::StartScaledApplication(
        argc, argv, line.scale.value_or(chosenScale), veltra::FieldWindowsOf(probe), scaled);
    QApplication& application = *toolkit;
    veltra::ApplyLook(application);
    QTranslator toolkitTexts;
    veltra::LoadToolkitTranslations(toolkitTexts);
    veltra::QtPlatform platform;
    veltra::App app(platform, veltra::SystemDecimalSeparator());
    app.interfaceScale = scaled.applied;

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
    platform.SetPowerMessageHandler([&mainWindow, &help] {
        veltra::PowerMsg::ShowCentred(
            mainWindow, [&help] { help.Show(veltra::kPowerMessageHelpTopic, std::nullopt); });
    });

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
    window.ShowInterfaceScale(scaled.applied, chosenScale);
    veltra::InstallStartupTiming(window, splash);
    // A scale that does not fit this screen is told once.
    const QString notice = QString("%1 %2x%3")
                               .arg(scaled.wanted)
                               .arg(scaled.screen.whole.width)
                               .arg(scaled.screen.whole.height);
    const bool tellScale =
        scaled.applied != scaled.wanted && settings.value(veltra::kScaleNoticeKey) != notice;
    if (scaled.applied == scaled.wanted) settings.remove(veltra::kScaleNoticeKey);
    if (tellScale) settings.setValue(veltra::kScaleNoticeKey, notice);
    splash.SetTimerAction([&window, &line, &platform, tellScale, &scaled] {
        window.show();
        if (tellScale) {
            QTimer::singleShot(0, &window, [&platform, &scaled] {
                platform.ShowMessage(
                    veltra::ScaleReducedMessage(scaled.wanted, scaled.applied, scaled.screen),
                    veltra::kAppTitle, veltra::MessageIcon::Information);
            });
        }
        // Once the splash box is gone, so that a message shows over the window.
        if (line.calculation) {
            QTimer::singleShot(0, &window,
                               [&window, &line] { window.OpenCalculationFile(*line.calculation); });
        }
    });
    return application.exec();
}
