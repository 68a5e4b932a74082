#include "open_dialog.h"

namespace veltra {

bool OpenDialog(DialogKind, App&, QWidget*, QPoint) {
    return false;
}

int DialogHeightTwips(DialogKind, const App&) {
    return 0;
}

}  // namespace veltra
