#include "open_dialog.h"

#include <optional>

#include "app/startup.h"
#include "e1_trunk_view.h"
#include "variant_dialog_view.h"

namespace veltra {

namespace {

std::optional<VariantDialogKind> VariantKindOf(DialogKind kind) {
    switch (kind) {
        case DialogKind::DigExt:
            return VariantDialogKind::DigExt;
        case DialogKind::AnExt:
            return VariantDialogKind::AnExt;
        case DialogKind::AnTr:
            return VariantDialogKind::AnTr;
        case DialogKind::BriTrunk:
            return VariantDialogKind::BriTrunk;
        default:
            return std::nullopt;
    }
}

template <class View, class Model>
void ShowModal(App& app, std::optional<Model>& model, QWidget* parent, QPoint topLeft) {
    if (!model) return;  // opening failed and was reported
    View view(app, *model, parent);
    view.move(topLeft);
    view.exec();
}

}  // namespace

bool OpenDialog(DialogKind kind, App& app, QWidget* parent, QPoint topLeft) {
    if (const auto variant = VariantKindOf(kind)) {
        std::optional<VariantDialog> model;
        RunEvent(app, [&] { model = OpenVariantDialog(app, *variant); });
        ShowModal<VariantDialogView>(app, model, parent, topLeft);
        return true;
    }
    if (kind == DialogKind::E1Trunk) {
        std::optional<E1TrunkDialog> model;
        RunEvent(app, [&] { model = OpenE1Trunk(app); });
        ShowModal<E1TrunkView>(app, model, parent, topLeft);
        return true;
    }
    return false;
}

int DialogHeightTwips(DialogKind kind, const App& app) {
    try {
        if (const auto variant = VariantKindOf(kind))
            return OpenVariantDialog(app, *variant).heightTwips;
        if (kind == DialogKind::E1Trunk) return OpenE1Trunk(app).heightTwips;
    } catch (const OverflowError&) {
        // The dialog reports the overflow itself when it is opened.
    }
    return 0;
}

}  // namespace veltra
