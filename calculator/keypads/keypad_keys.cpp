#include "keypad_keys.h"

namespace veltra {

namespace {

constexpr int kKeyWidth = 480;
constexpr int kKeyGap = 60;

TwipsRect KeyBox(int column, int row, int top) {
    return {kKeypadMarginTwips + column * (kKeyWidth + kKeyGap), top + row * kKeypadRowTwips,
            kKeyWidth, kKeypadKeyHeightTwips};
}

FlatButton Key(std::string name, std::string caption, TwipsRect box, Colour colour) {
    FlatButton key;
    key.name = std::move(name);
    key.caption = std::move(caption);
    key.background = colour;
    key.box = box;
    return key;
}

}  // namespace

void LayOutKeys(DigitKeys& digits, FlatButton& clear, FlatButton& ok, const std::string& digitName,
                const std::string& clearName, const std::string& okName, int top, Colour colour) {
    for (int k = 0; k <= 9; ++k) {
        // 1..9 fill the rows bottom-up like a number block; 0 sits below 1.
        const TwipsRect box =
            k == 0 ? KeyBox(0, 3, top) : KeyBox((k - 1) % 3, 2 - (k - 1) / 3, top);
        digits[size_t(k)] =
            Key(digitName + "(" + std::to_string(k) + ")", std::to_string(k), box, colour);
    }
    clear = Key(clearName, "C", KeyBox(1, 3, top), colour);
    ok = Key(okName, "Ok", KeyBox(2, 3, top), colour);
}

int KeypadHeightTwips(int top) {
    return top + 3 * kKeypadRowTwips + kKeypadKeyHeightTwips + kKeypadMarginTwips;
}

int FindKey(const DigitKeys& digits, const FlatButton& clear, const FlatButton& ok,
            const std::string& name) {
    for (int k = 0; k <= 9; ++k) {
        if (name == digits[size_t(k)].name) return k;
    }
    if (name == clear.name) return kClearKey;
    if (name == ok.name) return kOkKey;
    return -1;
}

}  // namespace veltra
