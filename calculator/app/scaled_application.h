#pragma once
// The application object at the interface scale. The toolkit scales every
// window, font, picture, dialog position and its own boxes by one factor,
// set before the object exists; the twips to pixels of the layout stay as
// they are, so the layout stays exact, and text and drawings are rendered at
// the screen's own resolution. When the main window and its dialogs do not
// fit the screen at the scale asked for, the object is made again at the
// largest that fits.

#include <QApplication>
#include <memory>

#include "mainwindow/interface_scale.h"

namespace veltra {

struct ScaledStart {
    int wanted = 100;
    int applied = 100;
    ScreenArea screen;
};

// `argc` and `argv` as main has them; `opened`: the windows the main window
// opens from its fields (FieldWindowsOf).
std::unique_ptr<QApplication> StartScaledApplication(int& argc, char** argv, int wanted,
                                                     const std::vector<TwipsRect>& opened,
                                                     ScaledStart& start);

}  // namespace veltra
