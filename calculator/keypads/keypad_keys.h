#pragma once
// The twelve keys that the item keypads and the input calculator share: ten
// digits, "C" and "Ok", in rows 7 8 9 / 4 5 6 / 1 2 3 / 0 C Ok.

#include <array>
#include <string>
#include <vector>

#include "state/controls.h"

namespace veltra {

using DigitKeys = std::array<FlatButton, 10>;

inline constexpr int kKeypadWidthTwips = 1800;
inline constexpr int kKeypadMarginTwips = 120;
inline constexpr int kKeypadRowTwips = 480;
inline constexpr int kKeypadKeyHeightTwips = 420;

// Names the keys ("Command1(0)".. for `digitName` "Command1"), captions them,
// paints them with `colour` and places their top row at `top` twips.
void LayOutKeys(DigitKeys& digits, FlatButton& clear, FlatButton& ok, const std::string& digitName,
                const std::string& clearName, const std::string& okName, int top, Colour colour);
// The window height that holds keys whose top row starts at `top`.
int KeypadHeightTwips(int top);

// Which key a control name means: a digit 0..9, kClearKey, kOkKey, or -1.
inline constexpr int kClearKey = 10;
inline constexpr int kOkKey = 11;
int FindKey(const DigitKeys& digits, const FlatButton& clear, const FlatButton& ok,
            const std::string& name);

}  // namespace veltra
