// One real run of the help path under an X server: the main window's
// digital extension button opens the dialog, the dialog's help button opens
// the CHM viewer on its topic, and a picture of the screen is saved.
//   help-button-run PROGRAM_FOLDER OUT.png
// Exits 77 (skipped) when the viewer is not installed.
#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "app/chm_help_viewer.h"
#include "app/data_folders.h"
#include "app/qt_platform.h"
#include "app/startup.h"
#include "dialogs/qt/variant_dialog_view.h"
#include "mainwindow/help_entries.h"
#include "mainwindow/qt/main_form.h"
#include "widgets/look.h"

using namespace veltra;

namespace {

bool ViewerWindowShown() {
    QProcess list;
    list.start("xwininfo", {"-root", "-tree"});
    list.waitForFinished(5000);
    return QString::fromUtf8(list.readAllStandardOutput()).contains("xCHM");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: help-button-run PROGRAM_FOLDER OUT.png\n");
        return 2;
    }
    if (QStandardPaths::findExecutable(kChmViewer).isEmpty()) {
        std::printf("skipped: the help viewer %s is not installed\n", kChmViewer);
        return 77;
    }
    QApplication application(argc, argv);
    ApplyLook(application);
    QtPlatform platform;
    App app(platform, SystemDecimalSeparator());
    const std::filesystem::path folder = argv[1];
    ChmHelpViewer help(platform, {QString::fromStdString(folder.string())});
    platform.SetHelpHandler([&help](const std::string& target, std::optional<int> context) {
        help.Show(target, context);
    });
    StartUp(app, folder / "price.txt");

    MainForm window(app);
    platform.SetParentWindow(&window);
    window.move(0, 0);
    window.show();

    int result = 1;
    bool helpClicked = false;
    QTimer::singleShot(300, [&] {
        // The dialog is modal: find it once it shows, then press its help button.
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            auto* dialog = dynamic_cast<VariantDialogView*>(QApplication::activeModalWidget());
            if (dialog == nullptr || helpClicked) return;
            helpClicked = true;
            poll->stop();
            dialog->HelpButton()->click();
            // Wait for the viewer's window, give it time to render, then look.
            auto* wait = new QTimer(&window);
            QObject::connect(wait, &QTimer::timeout, [&, wait, dialog] {
                if (!ViewerWindowShown()) return;
                wait->stop();
                QTimer::singleShot(2000, [&, dialog] {
                    // The main window at the top left and the viewer over it.
                    QGuiApplication::primaryScreen()
                        ->grabWindow(0, 0, 0, 700, 520)
                        .save(QString::fromLocal8Bit(argv[2]));
                    std::printf("viewer window shown; picture %s\n", argv[2]);
                    result = 0;
                    dialog->CloseButton()->click();
                    QTimer::singleShot(0, &application, &QApplication::quit);
                });
            });
            wait->start(250);
        });
        poll->start(100);
        window.findChild<QAbstractButton*>("ARFlatBttn4")->click();
    });
    QTimer::singleShot(45000, &application, [&] {
        std::printf("the dialog or the viewer's window did not come up\n");
        QApplication::exit(1);
    });
    const int code = application.exec();
    return code != 0 ? code : result;
}
