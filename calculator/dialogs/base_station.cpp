#include "base_station.h"

#include <algorithm>
#include <optional>

#include "catalogue/capacity.h"
#include "catalogue/number_text.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

constexpr int kMargin = 120;
// The slider's maximum while not even one base station fits: it stays
// disabled at 0, so the label does not promise stations that cannot be added.
constexpr int kDesignMaximum = 0;

void LayOut(BaseStationDialog& d) {
    d.title = "Базовые станции DECT";
    d.widthTwips = kMargin + kSlotRowWidth + kMargin + 120;
    LayOutSlots(d.picture, kMargin, kMargin);
    d.legend.push_back(
        {"IC-CU", kIccuColour, {kMargin, 780, 180, 180}, {kMargin + 240, 750, 600, 240}});
    d.legend.push_back({"IC-LU", kIcluColour, {1800, 780, 180, 180}, {2040, 750, 600, 240}});
    d.Label_ICCU = {"Label_ICCU", "0", {kMargin + 840, 750, 480, 240}};
    d.Label_ICLU = {"Label_ICLU", "0", {2640, 750, 480, 240}};

    d.captions.push_back({"", "Количество базовых станций:", {kMargin, 1140, 3000, 240}});
    d.BSLabel = {"BSLabel", "0", {3180, 1140, 600, 240}};
    d.Slider1 = {"Slider1", 0, 0, kDesignMaximum, true, {kMargin, 1440, kSlotRowWidth, 420}};
    d.captions.push_back({"", "0", {kMargin, 1890, 480, 240}});
    d.MaxBSLabel = {"MaxBSLabel", "0", {kMargin + kSlotRowWidth - 480, 1890, 480, 240}};

    d.heightTwips = LayOutButtonRow(d.widthTwips - kMargin, 2280, 1320,
                                    {{&d.Command2, "Command2", "Ok"},
                                     {&d.Command3, "Command3", "Закрыть"},
                                     {&d.Command1, "Command1", "Справка"}}) +
                    kMargin;
}

// Whether row k fits once the cordless boards fitted now are taken out; each
// board takes a slot and counts 8 lines against both line bounds.
bool RowFits(const App& app, int k) {
    const ConfigState& s = app.state;
    const Count own = s.config.IccuBoards + s.config.IcluBoards;
    const CordlessBoards row = BaseStationRow(k);
    const Count boards = row.central + row.line;
    return CountTrunkLines(app) - 8 * own + 8 * boards <= s.limits.MaxTrunkLines &&
           CountBoards(app) - own + boards <= s.limits.MaxBoards &&
           CountAllLines(app) - 8 * own + 8 * boards <= s.limits.MaxLines;
}

}  // namespace

BaseStationDialog OpenBaseStation(const App& app) {
    BaseStationDialog d;
    LayOut(d);
    const Colour face = app.platform.GetSystemColour(SystemColour::ButtonFace);
    for (FlatButton* b : {&d.Command1, &d.Command2, &d.Command3}) b->background = face;

    // The capacity of the last row that fits: rows beyond it would take the
    // exchange past its limits.
    int maximum = 0;
    for (int k = 0; k < kBaseStationRows && RowFits(app, k); ++k)
        maximum = BaseStationRow(k).stations();
    d.Slider1.min = 0;
    if (maximum < 1) {
        d.Slider1.enabled = false;
    } else {
        d.Slider1.enabled = true;
        d.Slider1.max = maximum;
    }
    d.MaxBSLabel.caption = std::to_string(d.Slider1.max);
    const std::string& bsText = app.main.field(FieldId::BSText).text;
    d.Slider1.value =
        std::clamp<int>(CountFromText(bsText, app.decimalSeparator), d.Slider1.min, d.Slider1.max);
    d.BSLabel.caption = bsText;
    SlotCalculate(app, d, app.state.config.IccuBoards, app.state.config.IcluBoards);
    return d;
}

void Slider1_Change(const App& app, BaseStationDialog& dialog, int value) {
    dialog.Slider1.value = value;
    dialog.BSLabel.caption = std::to_string(value);
    if (const auto boards = BoardsForStations(value))
        SlotCalculate(app, dialog, boards->central, boards->line);
}

void SlotCalculate(const App& app, BaseStationDialog& dialog, Count central, Count line) {
    dialog.Label_ICCU.caption = std::to_string(int(central));
    dialog.Label_ICLU.caption = std::to_string(int(line));
    const Count other =
        CountBoards(app) - (app.state.config.IccuBoards + app.state.config.IcluBoards);
    PaintSlotRuns(dialog.picture, other, {{central, kIccuColour}, {line, kIcluColour}});
}

void Command2_Click(App& app, BaseStationDialog& dialog) {
    ConfigState& s = app.state;
    s.config.IccuBoards = CountFromText(dialog.Label_ICCU.caption, app.decimalSeparator);
    s.config.IcluBoards = CountFromText(dialog.Label_ICLU.caption, app.decimalSeparator);
    s.config.BaseStationCount = dialog.Slider1.value;
    app.SetItemQty("ROF 157 5131/1", s.config.IccuBoards);
    app.SetItemQty("ROF 157 5129/1", s.config.IcluBoards);
    app.SetItemQty("NTM/KRCNB 301 03/1", s.config.BaseStationCount);
    app.SetItemQty("EN/LZTNB 101 52/1", s.config.IccuBoards);
    SetFieldText(app, FieldId::BSText, std::to_string(int(s.config.BaseStationCount)));
    if (s.config.BaseStationCount < 1) {
        PaintField(app, FieldId::BSText, Background::ButtonFace);
        SetFieldText(app, FieldId::MobileText, "0");
        PaintField(app, FieldId::MobileText, Background::ButtonFace);
        s.config.HandsetCount = 0;
        // The FECU module goes with its items, so the handset dialog does not
        // offer it again for no handsets.
        s.config.FecuModule = 0;
        app.SetItemQty("NTM/DPANB 301 04/1", 0);
        for (int k = 1; k <= 7; ++k) app.SetItemQty("KDU 130 05/" + std::to_string(k), 0);
        RecalculateAll(app);
    } else {
        PaintField(app, FieldId::BSText, Background::Window);
    }
    dialog.closed = true;
}

void Command3_Click(BaseStationDialog& dialog) {
    dialog.closed = true;
}

void Command1_Click(App& app, const BaseStationDialog&) {
    ShowHelp(app, "v4_overview.chm::/applications\\applications_8.htm");
}

}  // namespace veltra
