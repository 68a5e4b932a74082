#include "screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "state/twips.h"

namespace veltra {

namespace {

// Before it is shown a window's frame is unknown: a usual title bar.
constexpr int kTitleBarTwips = 450;

}  // namespace

QPoint KeptInside(QPoint topLeft, QSize outer, const QRect& area) {
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - outer.height()));
    return {x, y};
}

QPoint KeptOnScreen(QPoint topLeft, QSize size) {
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return topLeft;
    const QSize outer(size.width(), size.height() + TwipsToPixels(kTitleBarTwips));
    return KeptInside(topLeft, outer, screen->availableGeometry());
}

}  // namespace veltra
