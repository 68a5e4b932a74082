#pragma once
// A dialog or keypad about to open where its rule places it: moved just
// inside the screen's free part when it would reach past it, which a larger
// interface scale on a small screen asks for. Where it fits, it stays put.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace veltra {

// `size` is the window's client size; its title bar is allowed for.
QPoint KeptOnScreen(QPoint topLeft, QSize size);
// The same within `area`.
QPoint KeptInside(QPoint topLeft, QSize outer, const QRect& area);

}  // namespace veltra
