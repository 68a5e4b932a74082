// Opens each line-board dialog in a telling state and saves a picture of it:
//   dialog_screenshots OUTDIR
// Prints each dialog's controls as well, to hold the picture against.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEnterEvent>
#include <cstdio>
#include <functional>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "dialogs/board_dialog.h"
#include "dialogs/qt/base_station_view.h"
#include "dialogs/qt/e1_trunk_view.h"
#include "dialogs/qt/fecu_form_view.h"
#include "dialogs/qt/ipu_form_view.h"
#include "dialogs/qt/mobile_view.h"
#include "dialogs/qt/variant_dialog_view.h"
#include "dialogs/unit_dialog.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

using namespace veltra;

namespace {

void PointAt(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent event(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
}

void Save(QDialog& view, const std::vector<std::string>& lines, const QString& path) {
    view.move(40, 40);
    view.show();
    QApplication::processEvents();
    view.grab().save(path);
    std::printf("== %s\n", qPrintable(path));
    for (const std::string& line : lines)
        if (line.find("| hidden") == std::string::npos) std::printf("%s\n", line.c_str());
    view.close();
}

void Save(QDialog& view, const BoardDialog& model, const QString& path) {
    Save(view, PrintBoardDialog(model), path);
}

// Starts the program's state afresh, sets it up and runs `shoot` on it.
void WithApp(const std::function<void(App&)>& setUp, const std::function<void(App&)>& shoot) {
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, VELTRA_PRICE_LIST);
    setUp(app);
    shoot(app);
}

void StoreStations(App& app, int stations) {
    BaseStationDialog d = OpenBaseStation(app);
    Slider1_Change(app, d, stations);
    Command2_Click(app, d);
}

void ShootUnitDialogs(const QDir& out) {
    // Two free slots: IC-CU and one IC-LU, at most 12 base stations.
    WithApp([](App& app) { app.state.config.AnalogExt8Boards = 24; },
            [&](App& app) {
                BaseStationDialog model = OpenBaseStation(app);
                Slider1_Change(app, model, 9);
                BaseStationView view(app, model, nullptr);
                Save(view, PrintUnitDialog(model), out.filePath("basestation.png"));
            });
    WithApp([](App& app) { StoreStations(app, 12); },
            [&](App& app) {
                MobileDialog model = OpenMobile(app);
                dt288_Type(app, model, "10");
                ErlCalc(app, model);
                MobileView view(app, model, nullptr);
                Save(view, PrintUnitDialog(model), out.filePath("mobile.png"));
            });
    WithApp(
        [](App& app) {
            app.state.config.Ipu4Present = 1;
            app.state.config.FecuChosenLevel = 7;
            RecalculateAll(app);
        },
        [&](App& app) {
            FecuFormDialog model = OpenFecuForm(app);
            FecuFormView view(app, model, nullptr);
            Save(view, PrintUnitDialog(model), out.filePath("fecuform.png"));
        });
    // An 8-call unit with three trunk lines free: the 4-call unit stays off.
    WithApp(
        [](App& app) {
            app.state.config.Ipu8Present = 1;
            app.state.config.AnalogTrunkBoards = 13;
            app.state.limits.MaxTrunkLines = 115;
            RecalculateAll(app);
        },
        [&](App& app) {
            IpuFormDialog model = OpenIpuForm(app);
            IpuFormView view(app, model, nullptr);
            Save(view, PrintUnitDialog(model), out.filePath("ipuform.png"));
        });
}

struct Shot {
    const char* file;
    const char* dialog;
    std::function<void(App&)> setUp;
    int hover;  // variant button to point at, -1 for none
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Keep the real pointer off the dialogs, so only the chosen button previews.
    QCursor::setPos(1279, 1023);
    const QDir out(argc > 1 ? argv[1] : ".");
    const Shot shots[] = {
        {"digext_preview.png", "DigExt",
         [](App& app) {
             SetMFUCheck(app, true);
             app.state.config.DigitalExt16Boards = 2;
             app.state.config.AnalogTrunkBoards = 3;
         },
         6},
        {"digext_full.png", "DigExt", [](App& app) { app.state.config.AnalogTrunkBoards = 27; },
         -1},
        {"anext.png", "AnExt",
         [](App& app) {
             app.state.config.AnalogExt16Boards = 2;
             app.state.config.AnalogExt8Boards = 1;
         },
         -1},
        {"antr.png", "AnTr", [](App& app) { app.state.config.E1Boards = 2; }, 4},
        {"britrunk.png", "BriTrunk",
         [](App& app) {
             SetMFUCheck(app, true);
             app.state.config.Bri16Boards = 1;
         },
         3},
        {"e1trunk.png", "E1Trunk",
         [](App& app) {
             app.state.config.AnalogTrunkBoards = 3;
             app.state.config.E1Boards = 3;
             app.state.config.E1PriLinks = 1;
             app.state.config.E1CasLinks = 2;
         },
         -1},
    };
    for (const Shot& shot : shots) {
        RecordingPlatform platform;
        App app(platform);
        StartUp(app, VELTRA_PRICE_LIST);
        shot.setUp(app);
        BoardDialog model = *OpenBoardDialog(app, shot.dialog);
        const QString path = out.filePath(shot.file);
        if (auto* variant = std::get_if<VariantDialog>(&model)) {
            VariantDialogView view(app, *variant, nullptr);
            if (shot.hover >= 0) {
                view.move(40, 40);
                view.show();
                PointAt(view.VariantButton(shot.hover));
            }
            Save(view, model, path);
        } else {
            E1TrunkView view(app, std::get<E1TrunkDialog>(model), nullptr);
            Save(view, model, path);
        }
    }
    ShootUnitDialogs(out);
    return 0;
}
