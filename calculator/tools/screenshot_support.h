#pragma once
// What the screenshot tools share: the Qt application with the program's
// look, the output folder from the command line, a started application on the
// shipped price list, and saving a widget once its timers have run.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTreeView>
#include <QWidget>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "widgets/look.h"

namespace veltra::testing {

// Views lay themselves out from timers: let them run first.
inline void Settle(int milliseconds = 100) {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

inline void Save(QWidget* widget, const QDir& dir, const QString& name) {
    Settle();
    widget->grab().save(dir.filePath(name + ".png"));
}

// Opens the catalogue tree down to the first cabinet and clicks it, as a user
// selecting an item would; returns the cabinet's index.
inline QModelIndex ClickFirstCabinet(QWidget& window) {
    auto* tree = window.findChild<QTreeView*>("TreeView1");
    const QAbstractItemModel* model = tree->model();
    const QModelIndex cabinet = model->index(0, 0, model->index(0, 0, model->index(0, 0)));
    tree->expand(cabinet.parent().parent());
    tree->expand(cabinet.parent());
    emit tree->clicked(cabinet);
    return cabinet;
}

// Usage: ScreenshotSession session(argc, argv); then session.app and session.dir.
struct ScreenshotSession {
    ScreenshotSession(int& argc, char** argv)
        : application(argc, argv), dir(argc > 1 ? argv[1] : ".") {
        ApplyLook(application);
        dir.mkpath(".");
        StartUp(app, VELTRA_PRICE_LIST);
    }

    QApplication application;
    QDir dir;
    RecordingPlatform platform;
    App app{platform, ','};
};

}  // namespace veltra::testing
