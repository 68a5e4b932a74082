#include "fecu_form.h"

namespace veltra {

namespace {

constexpr int kMargin = 120;
constexpr int kRowPitch = 285, kFirstRow = 300;

void LayOut(FecuFormDialog& d) {
    d.title = "Сетевое программное обеспечение";
    d.widthTwips = 5640;
    const int inner = d.widthTwips - 2 * kMargin;
    const int frameHeight = kFirstRow + (kFecuLevels + 1) * kRowPitch + 60;
    d.frame = {"Frame1", "Fecu", true, {kMargin, kMargin, inner, frameHeight}};
    for (int i = 0; i <= kFecuLevels; ++i) {
        const std::string n = std::to_string(i);
        const int top = kFirstRow + i * kRowPitch;
        d.Option1[size_t(i)] = {"Option1(" + n + ")",
                                kFecuLevelCaptions[size_t(i)],
                                false,
                                true,
                                {480, top, inner - 600, 255}};
        d.ImageCheck[size_t(i)] = {"ImageCheck(" + n + ")", false, {150, top, 240, 240}};
    }
    d.heightTwips =
        LayOutButtonRow(d.widthTwips - kMargin, kMargin + frameHeight + 180, 1320,
                        {{&d.Command1, "Command1", "Ok"}, {&d.Command3, "Command3", "Закрыть"}}) +
        kMargin;
}

}  // namespace

FecuFormDialog OpenFecuForm(const App& app) {
    FecuFormDialog d;
    LayOut(d);
    const Colour face = app.platform.GetSystemColour(SystemColour::ButtonFace);
    d.Command1.background = d.Command3.background = face;
    for (int i = 0; i <= kFecuLevels; ++i)
        d.Option1[size_t(i)].selected = i == app.state.config.FecuChosenLevel;
    for (int i = 1; i <= kFecuLevels; ++i)
        d.ImageCheck[size_t(i)].visible = i == app.state.results.FecuRequiredLevel;
    return d;
}

void Option1_Click(FecuFormDialog& dialog, int level) {
    if (level < 0 || level > kFecuLevels) return;
    for (int i = 0; i <= kFecuLevels; ++i) dialog.Option1[size_t(i)].selected = i == level;
}

void Command1_Click(App& app, FecuFormDialog& dialog) {
    app.state.config.FecuChosenLevel = 0;
    for (int i = 0; i <= kFecuLevels; ++i)
        if (dialog.Option1[size_t(i)].selected) app.state.config.FecuChosenLevel = i;
    RecalculateAll(app);
    dialog.closed = true;
}

void Command3_Click(FecuFormDialog& dialog) {
    dialog.closed = true;
}

}  // namespace veltra
