#include "scaled_application.h"

#include <QScreen>

namespace veltra {

namespace {

const char* const kScaleVariable = "QT_SCALE_FACTOR";

std::unique_ptr<QApplication> Make(int& argc, char** argv, int scale, const QByteArray& before) {
    // Another factor given to the toolkit already multiplies with this one.
    const double outer = before.isEmpty() ? 1.0 : before.toDouble();
    qputenv(kScaleVariable, QByteArray::number(outer * scale / 100.0));
    auto application = std::make_unique<QApplication>(argc, argv);
    // Programs started from here (the help viewer, the spreadsheet) keep
    // their own size.
    if (before.isNull()) {
        qunsetenv(kScaleVariable);
    } else {
        qputenv(kScaleVariable, before);
    }
    return application;
}

ScreenArea MeasureAt100(int scale) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const auto at100 = [scale](const QRect& r) {
        return TwipsRect{r.x() * scale / 100, r.y() * scale / 100, r.width() * scale / 100,
                         r.height() * scale / 100};
    };
    return {at100(screen->geometry()), at100(screen->availableGeometry())};
}

}  // namespace

std::unique_ptr<QApplication> StartScaledApplication(int& argc, char** argv, int wanted,
                                                     const std::vector<TwipsRect>& opened,
                                                     ScaledStart& start) {
    const QByteArray before = qgetenv(kScaleVariable);
    start.wanted = wanted;
    auto application = Make(argc, argv, wanted, before);
    if (wanted == kInterfaceScales.front()) {
        start.applied = wanted;
        return application;
    }
    start.screen = MeasureAt100(wanted);
    start.applied = FittingScale(wanted, start.screen, opened);
    if (start.applied != wanted) {
        application.reset();
        application = Make(argc, argv, start.applied, before);
    }
    return application;
}

}  // namespace veltra
