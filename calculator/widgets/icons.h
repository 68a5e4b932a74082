#pragma once
// The main window's pictures, drawn here: the three catalogue tree images,
// the small field buttons and the overload warning.

#include <QIcon>
#include <QPixmap>

namespace veltra {

// 1: an item with a hand-added quantity, 2: a priced item, 3: a group.
QIcon TreeImage(int image);
QIcon DialogButtonIcon();
QIcon CalculatorButtonIcon();
QIcon HelpButtonIcon();
QPixmap WarningPixmap(int size);

}  // namespace veltra
