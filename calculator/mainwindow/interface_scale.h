#pragma once
// "Масштаб интерфейса": every window, font, picture and dialog position drawn
// larger by one factor, so the layout designed in twips stays exactly as it
// is. Chosen in the menu "Файл" and kept in the settings, it applies from
// the next start; --scale N applies it to one run.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/app.h"

namespace veltra {

inline constexpr std::array<int, 4> kInterfaceScales = {100, 125, 150, 200};
// The settings' keys: the scale chosen, and the scale and screen last told
// not to fit, so that is said once.
inline constexpr const char* kInterfaceScaleKey = "interfaceScale";
inline constexpr const char* kScaleNoticeKey = "interfaceScaleNotice";

// "150" or "150%"; nullopt for anything that is not one of the scales.
std::optional<int> ParseInterfaceScale(std::string_view text);

// The sizes (twips, title bars included) of what the main window opens from
// its field buttons, as it would open now: the input calculator and each
// dialog.
std::vector<TwipsRect> FieldWindowsOf(const App& app);

// A screen in pixels as it measures at 100 %: all of it, and the part free
// of the desktop's panels.
struct ScreenArea {
    TwipsRect whole;  // in pixels here
    TwipsRect free;
};

// The largest scale up to `wanted` at which the main window, centred on the
// screen, lies in its free part and every window in `opened` fits in it (at
// a scale above 100 % a dialog that would reach past it opens moved inside);
// 100 when even that scale does not fit.
int FittingScale(int wanted, const ScreenArea& screen, const std::vector<TwipsRect>& opened);

// Said once when the scale chosen does not fit the screen.
std::string ScaleReducedMessage(int wanted, int applied, const ScreenArea& screen);
// Said when another scale is chosen in the menu; nothing for the one in effect.
std::optional<std::string> ScaleChosenMessage(int inEffect, int chosen);

}  // namespace veltra
