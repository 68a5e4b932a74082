// Opens each keypad from the main window in a telling state and saves a
// picture of the screen with it, and of the keypad alone:
//   keypad_screenshots OUTDIR
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>

#include "mainwindow/qt/main_form.h"
#include "screenshot_support.h"

namespace {

using veltra::testing::Save;
using veltra::testing::Settle;

void Click(QWidget* keypad, const char* name) {
    if (auto* key = keypad->findChild<QPushButton*>(name)) key->click();
}

// Once the keypad is up: press `keys`, save both pictures, then press `last`.
void WhenModal(const QDir& dir, const QString& name, std::vector<const char*> keys,
               const char* last) {
    QTimer::singleShot(0, [=] {
        QWidget* keypad = QApplication::activeModalWidget();
        if (!keypad) return;
        for (const char* key : keys) Click(keypad, key);
        Settle(150);
        keypad->grab().save(dir.filePath(name + ".png"));
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir.filePath(name + "-screen.png"));
        std::printf("%s at %d,%d\n", qPrintable(name), keypad->x(), keypad->y());
        Click(keypad, last);
    });
}

}  // namespace

int main(int argc, char** argv) {
    veltra::testing::ScreenshotSession session(argc, argv);
    const QDir& dir = session.dir;
    veltra::App& app = session.app;
    veltra::MainForm window(app);
    window.move(40, 40);
    window.show();
    Settle(150);

    // The calculator beside "Standard" after "3", "0": only "0" may follow.
    WhenModal(dir, "inputcalc", {"Command1(3)", "Command1(0)"}, "Command2");
    window.findChild<QToolButton*>("ARFlatBttn7")->click();

    auto* tabs = window.findChild<QTabBar*>("TabStrip1");
    tabs->setCurrentIndex(5);
    auto* tree = window.findChild<QTreeView*>("TreeView1");
    const QModelIndex cabinet = veltra::testing::ClickFirstCabinet(window);
    Settle(150);
    // Four digits: every digit key is disabled.
    WhenModal(dir, "addqty", {"Command3(1)", "Command3(2)", "Command3(3)", "Command3(4)"},
              "Command1");
    emit tree->doubleClicked(cabinet);
    Settle(150);

    window.findChild<QTabBar*>("TabStrip2")->setCurrentIndex(1);
    auto* list = window.findChild<QTreeWidget*>("ListView1");
    emit list->itemClicked(list->topLevelItem(0), 0);
    WhenModal(dir, "addlistqty", {"Command3(1)", "Command3(0)"}, "Command1");
    emit list->itemDoubleClicked(list->topLevelItem(0), 0);
    Settle(150);
    window.grab().save(dir.filePath("after-list-change.png"));
    return 0;
}
