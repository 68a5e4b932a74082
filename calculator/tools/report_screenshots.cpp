// Saves the reports page's two sub-pages for the start configuration and for
// the rich one, and prints the cabinet picture's model beside them so the
// pictures can be checked against it. Run it under a display:
//   veltra_report_screenshots OUTDIR
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <iostream>

#include "mainwindow/qt/main_form.h"
#include "report/show_cabinet.h"
#include "rich_configuration.h"
#include "screenshot_support.h"

namespace {

using veltra::testing::Save;
using veltra::testing::Settle;

void SaveBothSubPages(veltra::MainForm& window, veltra::App& app, const QDir& dir,
                      const QString& name) {
    window.findChild<QTabBar*>("TabStrip1")->setCurrentIndex(0);
    window.findChild<QTabBar*>("TabStrip1")->setCurrentIndex(6);
    auto* reports = window.findChild<QTabBar*>("TabStrip3");
    reports->setCurrentIndex(1);
    reports->setCurrentIndex(0);
    Save(&window, dir, name + "-cabinet");
    // The picture alone, twice as large, for checking each slot.
    QWidget* picture = window.findChild<QWidget*>("CabinetPicture");
    picture->grab().scaled(picture->size() * 2).save(dir.filePath(name + "-cabinet-zoom.png"));
    std::cout << name.toStdString() << ":\n";
    for (const std::string& line : veltra::PrintCabinet(app.main.cabinet))
        std::cout << "  " << line << '\n';
    reports->setCurrentIndex(1);
    Save(&window, dir, name + "-text");
    auto* scroll = window.findChild<QScrollArea*>("ReportTxtScroll");
    if (scroll->verticalScrollBar()->maximum() > 0) {
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        Save(&window, dir, name + "-text-end");
    }
}

}  // namespace

int main(int argc, char** argv) {
    veltra::testing::ScreenshotSession session(argc, argv);
    const QDir& dir = session.dir;
    veltra::App& app = session.app;
    veltra::MainForm window(app);
    window.show();
    window.move(0, 0);
    SaveBothSubPages(window, app, dir, "empty");

    veltra::BuildRichConfiguration(app);
    window.Render();
    SaveBothSubPages(window, app, dir, "rich");
    return 0;
}
