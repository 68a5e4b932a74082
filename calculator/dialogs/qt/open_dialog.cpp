#include "open_dialog.h"

#include <optional>

#include "base_station_view.h"
#include "e1_trunk_view.h"
#include "fecu_form_view.h"
#include "ipu_form_view.h"
#include "mobile_view.h"
#include "state/app.h"
#include "variant_dialog_view.h"
#include "widgets/screen_fit.h"

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
    // Drawn larger than designed, it must not reach past a small screen.
    view.move(app.interfaceScale > 100 ? KeptOnScreen(topLeft, view.size()) : topLeft);
    view.exec();
}

// Builds the model as one event; a failure there was reported and opens nothing.
template <class View, class Opener>
bool Open(App& app, QWidget* parent, QPoint topLeft, Opener&& open) {
    std::optional<decltype(open())> model;
    RunEvent(app, [&] { model = open(); });
    ShowModal<View>(app, model, parent, topLeft);
    return true;
}

}  // namespace

bool OpenDialog(DialogKind kind, App& app, QWidget* parent, QPoint topLeft) {
    if (const auto variant = VariantKindOf(kind)) {
        std::optional<VariantDialog> model;
        RunEvent(app, [&] { model = OpenVariantDialog(app, *variant); });
        ShowModal<VariantDialogView>(app, model, parent, topLeft);
        return true;
    }
    switch (kind) {
        case DialogKind::E1Trunk:
            return Open<E1TrunkView>(app, parent, topLeft, [&] { return OpenE1Trunk(app); });
        case DialogKind::BaseStation:
            return Open<BaseStationView>(app, parent, topLeft,
                                         [&] { return OpenBaseStation(app); });
        case DialogKind::Mobile:
            return Open<MobileView>(app, parent, topLeft, [&] { return OpenMobile(app); });
        case DialogKind::FecuForm:
            return Open<FecuFormView>(app, parent, topLeft, [&] { return OpenFecuForm(app); });
        case DialogKind::IPUForm:
            return Open<IpuFormView>(app, parent, topLeft, [&] { return OpenIpuForm(app); });
        default:
            return false;
    }
}

int DialogHeightTwips(DialogKind kind, const App& app) {
    try {
        if (const auto variant = VariantKindOf(kind))
            return OpenVariantDialog(app, *variant).heightTwips;
        switch (kind) {
            case DialogKind::E1Trunk:
                return OpenE1Trunk(app).heightTwips;
            case DialogKind::BaseStation:
                return OpenBaseStation(app).heightTwips;
            case DialogKind::Mobile:
                return OpenMobile(app).heightTwips;
            case DialogKind::FecuForm:
                return OpenFecuForm(app).heightTwips;
            case DialogKind::IPUForm:
                return OpenIpuForm(app).heightTwips;
            default:
                break;
        }
    } catch (const OverflowError&) {
        // The dialog reports the overflow itself when it is opened.
    }
    return 0;
}

}  // namespace veltra
