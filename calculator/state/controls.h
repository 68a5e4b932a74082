#pragma once
// The controls every window model is made of: what each one shows and, in
// the dialogs and keypads, where it sits (twips from the top left of its
// container). The main window places its controls from its layout table.

#include <initializer_list>
#include <string>
#include <vector>

#include "catalogue/platform.h"
#include "twips.h"

namespace veltra {

enum class Background { ButtonFace, Window };

// A text box: a count field of the main window, a dialog's entry box.
struct TextBox {
    std::string name;  // "BasicText", "dt288"
    std::string text;
    Background background = Background::ButtonFace;
    TwipsRect box;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};

struct OptionButton {
    std::string name;  // "PowerStandard(1)", "E1(2)", "eprom1(0)"
    std::string caption;
    bool selected = false;
    bool enabled = true;
    TwipsRect box;
    friend bool operator==(const OptionButton&, const OptionButton&) = default;
};

// An option group addressed by element index; `Arrestor` starts at index 1.
struct OptionGroup {
    std::string name;
    int firstIndex = 0;
    std::vector<OptionButton> buttons;

    bool Has(int index) const {
        return index >= firstIndex && index < firstIndex + int(buttons.size());
    }
    OptionButton& at(int index) { return buttons.at(index - firstIndex); }
    const OptionButton& at(int index) const { return buttons.at(index - firstIndex); }
    bool IsSelected(int index) const { return Has(index) && at(index).selected; }
    int Selected() const;  // -1 when none is selected
    int lastIndex() const { return firstIndex + int(buttons.size()) - 1; }
    friend bool operator==(const OptionGroup&, const OptionGroup&) = default;
};

struct CheckBox {
    std::string caption;
    bool checked = false;
    bool enabled = true;
    friend bool operator==(const CheckBox&, const CheckBox&) = default;
};

struct ComboBox {
    std::vector<std::string> entries;
    int index = 0;
    bool visible = true;
    Background background = Background::ButtonFace;
    friend bool operator==(const ComboBox&, const ComboBox&) = default;
};

struct FlatButton {
    std::string name;  // "Command1(3)", "ARFlatBttn1", ...
    std::string caption;
    bool bold = false;
    bool visible = true;
    bool enabled = true;
    Colour background = 0;
    TwipsRect box;
};

struct CaptionLabel {
    std::string name;  // empty for fixed captions
    std::string caption;
    TwipsRect box;
};

struct FrameControl {
    std::string name;  // "Frame2(1)"
    std::string caption;
    bool visible = true;
    TwipsRect box;
};

struct SliderControl {
    std::string name;  // "Slider1"
    int value = 0;
    int min = 0;
    int max = 0;
    bool enabled = true;
    TwipsRect box;
};

// A picture that is only shown or hidden, such as a check mark.
struct ImageControl {
    std::string name;  // "ImageCheck(4)"
    bool visible = false;
    TwipsRect box;
};

// A coloured square with its caption, explaining one slot colour.
struct LegendEntry {
    std::string caption;
    Colour colour = 0;
    TwipsRect shape;
    TwipsRect text;
};

struct ButtonSpec {
    FlatButton* button;
    const char* name;
    const char* caption;
};

// Lays buttons out in a row from `right` leftwards, in the order given, each
// `width` wide with 120 twips between them; returns the row's bottom.
inline int LayOutButtonRow(int right, int top, int width, std::initializer_list<ButtonSpec> row) {
    constexpr int kHeight = 345, kGap = 120;
    int left = right - width;
    for (const ButtonSpec& spec : row) {
        *spec.button = {spec.name, spec.caption, false, true, true, 0, {left, top, width, kHeight}};
        left -= width + kGap;
    }
    return top + kHeight;
}

}  // namespace veltra
