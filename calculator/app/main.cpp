// VeltraCalculator: start-up with the About box as splash screen, then the
// main window.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "app/startup.h"
#include "catalogue/price_list.h"
#include "chm_help_viewer.h"
#include "mainwindow/placement.h"
#include "mainwindow/qt/about_form.h"
#include "mainwindow/qt/look.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/qt/power_msg.h"
#include "mainwindow/qt/qt_geometry.h"
#include "qt_platform.h"
#include "startup_timing.h"

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
    QApplication application(argc, argv);
    veltra::ApplyLook(application);
    veltra::QtPlatform platform;
    veltra::App app(platform, veltra::SystemDecimalSeparator());

    const QString folder = QCoreApplication::applicationDirPath();
    veltra::ChmHelpViewer help(platform, folder);
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

    try {
        veltra::RunEvent(app, [&] { veltra::StartUp(app, folder.toStdString() + "/price.txt"); });
    } catch (const veltra::PriceListError& error) {
        QMessageBox::critical(nullptr, veltra::kAppTitle, QString::fromStdString(error.what()));
        return 1;
    }

    veltra::MainForm window(app);
    mainWindow = &window;
    platform.SetParentWindow(&window);
    window.move(CentredOnScreen(veltra::TwipsToPixels(veltra::kMainFormWidth),
                                veltra::TwipsToPixels(veltra::kMainFormHeight)));
    veltra::InstallStartupTiming(window, splash);
    splash.SetTimerAction([&window] { window.show(); });
    return application.exec();
}
