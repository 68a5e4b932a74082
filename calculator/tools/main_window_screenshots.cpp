// Saves pictures of every page of the main window, the About box and the
// power message, for looking at. Run it under a display:
//   veltra_screenshots OUTDIR
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabBar>

#include "mainwindow/qt/about_form.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/qt/power_msg.h"
#include "screenshot_support.h"

namespace {

using veltra::testing::Save;
using veltra::testing::Settle;

}  // namespace

int main(int argc, char** argv) {
    veltra::testing::ScreenshotSession session(argc, argv);
    const QDir& dir = session.dir;
    veltra::App& app = session.app;
    veltra::MainForm window(app);
    window.show();

    // A configuration worth looking at: a multi-function board and telephones.
    window.findChild<QCheckBox*>("MFUCheck")->click();
    window.findChild<QLineEdit*>("EconomyText")->setText("4");
    window.findChild<QLineEdit*>("OperatorText")->setText("1");
    app.catalogue[size_t(veltra::FindItem(app.catalogue, "BDV 113 08"))].ItemAddQty = 1;

    auto* tabs = window.findChild<QTabBar*>("TabStrip1");
    const char* const kPages[] = {"1-al",    "2-sl",    "3-dect",   "4-power",
                                  "5-frame", "6-extra", "7-reports"};
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        Save(&window, dir, QString("page") + kPages[i]);
    }

    tabs->setCurrentIndex(5);
    veltra::testing::ClickFirstCabinet(window);
    Save(&window, dir, "page6-extra-selected");
    window.findChild<QTabBar*>("TabStrip2")->setCurrentIndex(1);
    Save(&window, dir, "page6-extra-added");
    tabs->setCurrentIndex(6);
    window.findChild<QTabBar*>("TabStrip3")->setCurrentIndex(1);
    Save(&window, dir, "page7-reports-text");

    // The overload icon in the status bar.
    tabs->setCurrentIndex(0);
    window.findChild<QLineEdit*>("BasicText")->setText("300");
    window.findChild<QLineEdit*>("EconomyText")->setText("300");
    Save(&window, dir, "overload");

    veltra::AboutForm about(app, veltra::AboutForm::Mode::Modal);
    about.show();
    Save(&about, dir, "about");
    veltra::AboutForm splash(app, veltra::AboutForm::Mode::Splash);
    splash.show();
    Save(&splash, dir, "about-splash");
    veltra::PowerMsg power;
    power.show();
    Save(&power, dir, "power-message");
    return 0;
}
