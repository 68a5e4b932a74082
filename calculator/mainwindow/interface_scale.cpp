#include "interface_scale.h"

#include <algorithm>
#include <charconv>

#include "dialogs/board_dialog.h"
#include "dialogs/unit_dialog.h"
#include "field_buttons.h"
#include "keypads/input_calc.h"
#include "state/main_form_layout.h"

namespace veltra {

namespace {

// Before a dialog is shown its frame is unknown: a usual title bar.
constexpr int kDialogTitleTwips = 450;

std::optional<std::pair<int, int>> DialogSize(const App& app, std::string_view name) {
    if (auto board = OpenBoardDialog(app, name)) {
        return std::visit(
            [](const auto& d) {
                return std::pair{d.widthTwips, d.heightTwips};
            },
            *board);
    }
    if (auto unit = OpenUnitDialog(app, name)) {
        return std::visit(
            [](const auto& d) {
                return std::pair{d.widthTwips, d.heightTwips};
            },
            *unit);
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> ParseInterfaceScale(std::string_view text) {
    if (!text.empty() && text.back() == '%') text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (std::find(kInterfaceScales.begin(), kInterfaceScales.end(), value) ==
        kInterfaceScales.end())
        return std::nullopt;
    return value;
}

std::vector<TwipsRect> FieldWindowsOf(const App& app) {
    const InputCalc calc = LoadInputCalc(app);
    std::vector<TwipsRect> windows = {
        {0, 0, calc.widthTwips, calc.heightTwips + kDialogTitleTwips}};
    for (const FieldButton& button : FieldButtons()) {
        if (button.kind != ButtonKind::Dialog) continue;
        if (const auto size = DialogSize(app, button.dialog))
            windows.push_back({0, 0, size->first, size->second + kDialogTitleTwips});
    }
    return windows;
}

int FittingScale(int wanted, const ScreenArea& screen, const std::vector<TwipsRect>& opened) {
    for (auto it = kInterfaceScales.rbegin(); it != kInterfaceScales.rend(); ++it) {
        const int scale = *it;
        if (scale > wanted) continue;
        // The screen in twips as the windows measure at this scale.
        const auto twips = [scale](int pixels) {
            return int64_t(pixels) * kTwipsPerPixel * 100 / scale;
        };
        const int64_t left =
            twips(screen.whole.left) + (twips(screen.whole.width) - kMainFormWidth) / 2;
        const int64_t top =
            twips(screen.whole.top) + (twips(screen.whole.height) - kMainFormHeight) / 2;
        const int64_t freeLeft = twips(screen.free.left), freeTop = twips(screen.free.top);
        const int64_t freeRight = freeLeft + twips(screen.free.width);
        const int64_t freeBottom = freeTop + twips(screen.free.height);
        const auto inside = [&](const TwipsRect& r) {
            return left + r.left >= freeLeft && top + r.top >= freeTop &&
                   left + r.left + r.width <= freeRight && top + r.top + r.height <= freeBottom;
        };
        const auto fits = [&](const TwipsRect& r) {
            return r.width <= freeRight - freeLeft && r.height <= freeBottom - freeTop;
        };
        if (inside({0, 0, kMainFormWidth, kMainFormHeight}) &&
            std::all_of(opened.begin(), opened.end(), fits))
            return scale;
    }
    return kInterfaceScales.front();
}

std::string ScaleReducedMessage(int wanted, int applied, const ScreenArea& screen) {
    return "Масштаб интерфейса " + std::to_string(wanted) + " % не помещается на экране " +
           std::to_string(screen.whole.width) + " × " + std::to_string(screen.whole.height) +
           ": окно программы и его диалоги показаны в масштабе " + std::to_string(applied) + " %.";
}

std::optional<std::string> ScaleChosenMessage(int inEffect, int chosen) {
    if (chosen == inEffect) return std::nullopt;
    return "Масштаб интерфейса " + std::to_string(chosen) +
           " % будет применен при следующем запуске программы.";
}

}  // namespace veltra
