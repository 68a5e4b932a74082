#pragma once
// Opening the dialogs behind the main window's buttons. Each dialog is created
// on opening, shown modally with its top-left corner at `topLeft` (screen
// pixels) and destroyed when closed; it writes the state itself.

#include <QPoint>
#include <QWidget>

#include "state/app.h"

namespace veltra {

enum class DialogKind {
    AnExt,
    DigExt,
    AnTr,
    BriTrunk,
    E1Trunk,
    BaseStation,
    Mobile,
    FecuForm,
    IPUForm
};

// Returns false, showing nothing, for a dialog that this build does not have.
bool OpenDialog(DialogKind kind, App& app, QWidget* parent, QPoint topLeft);

// Height in twips the dialog will have when opened now, for placing it above
// its field; 0 for a dialog this build does not have.
int DialogHeightTwips(DialogKind kind, const App& app);

}  // namespace veltra
