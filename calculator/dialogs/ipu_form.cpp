#include "ipu_form.h"

#include "catalogue/capacity.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

constexpr int kMargin = 120;

void LayOut(IpuFormDialog& d) {
    d.title = "IP-телефония";
    d.widthTwips = 4440;
    const int inner = d.widthTwips - 2 * kMargin;
    d.caption = {"", "Количество одновременных разговоров", {kMargin, 150, inner, 255}};
    const char* captions[] = {"Нет", "4", "8"};
    for (int i = 0; i < 3; ++i) {
        d.IPUInterface[size_t(i)] = {"IPUInterface(" + std::to_string(i) + ")",
                                     captions[i],
                                     false,
                                     true,
                                     {360 + i * 1200, 540, 900, 255}};
    }
    d.heightTwips = LayOutButtonRow(d.widthTwips - kMargin, 1080, 1080,
                                    {{&d.Command1, "Command1", "Ok"},
                                     {&d.Command3, "Command3", "Закрыть"},
                                     {&d.Command2, "Command2", "Справка"}}) +
                    kMargin;
}

// A unit of `lines` trunk lines in place of the one of the same size fitted
// now; `present` is that unit's flag.
bool UnitFits(const App& app, int lines, Count present) {
    const ConfigState& s = app.state;
    return CountBoards(app) - (s.config.Ipu4Present + s.config.Ipu8Present) + 1 <=
               s.limits.MaxBoards &&
           CountTrunkLines(app) - lines * present + lines <= s.limits.MaxTrunkLines &&
           CountAllLines(app) - lines * present + lines <= s.limits.MaxLines;
}

}  // namespace

IpuFormDialog OpenIpuForm(const App& app) {
    IpuFormDialog d;
    LayOut(d);
    const Colour face = app.platform.GetSystemColour(SystemColour::ButtonFace);
    for (FlatButton* b : {&d.Command1, &d.Command2, &d.Command3}) b->background = face;
    const ConfigState& s = app.state;
    d.IPUInterface[1].enabled = UnitFits(app, 4, s.config.Ipu4Present);
    d.IPUInterface[2].enabled = UnitFits(app, 8, s.config.Ipu8Present);
    int current = 1;
    if (s.config.Ipu4Present + s.config.Ipu8Present < 1) {
        current = 0;
    } else if (s.config.Ipu4Present < 1) {
        current = 2;
    }
    IPUInterface_Click(d, current);
    return d;
}

void IPUInterface_Click(IpuFormDialog& dialog, int i) {
    if (i < 0 || i > 2) return;
    for (int k = 0; k < 3; ++k) dialog.IPUInterface[size_t(k)].selected = k == i;
}

void Command1_Click(App& app, IpuFormDialog& dialog) {
    ConfigState& s = app.state;
    if (dialog.IPUInterface[0].selected) {
        s.config.Ipu4Present = 0;
        s.config.Ipu8Present = 0;
    } else if (dialog.IPUInterface[1].selected) {
        s.config.Ipu4Present = 1;
        s.config.Ipu8Present = 0;
    } else if (dialog.IPUInterface[2].selected) {
        s.config.Ipu4Present = 0;
        s.config.Ipu8Present = 1;
    }
    RecalculateAll(app);
    dialog.closed = true;
}

void Command3_Click(IpuFormDialog& dialog) {
    dialog.closed = true;
}

void Command2_Click(App& app, const IpuFormDialog&) {
    ShowHelp(app, "366.chm");
}

}  // namespace veltra
