#include "startup_timing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "mainwindow/qt/about_form.h"

namespace veltra {

namespace {

class FirstPaintProbe : public QObject {
  public:
    FirstPaintProbe(QWidget& window, bool quit) : QObject(&window), quit_(quit) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first-paint %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            watched->removeEventFilter(this);
            if (quit_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    bool quit_;
};

}  // namespace

void InstallStartupTiming(QWidget& mainWindow, AboutForm& splash) {
    const char* mode = std::getenv("VELTRA_STARTUP_TIMING");
    if (!mode) return;
    if (auto* timer = splash.findChild<QTimer*>("Timer1")) timer->start(0);
    mainWindow.installEventFilter(new FirstPaintProbe(mainWindow, std::strcmp(mode, "exit") == 0));
}

}  // namespace veltra
