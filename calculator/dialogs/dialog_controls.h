#pragma once
// The controls a board dialog's model shows: what each one displays and where
// it sits, in twips from the top left of its container.

#include <initializer_list>
#include <string>

#include "catalogue/platform.h"
#include "mainwindow/main_window_model.h"

namespace veltra {

struct TwipsBox {
    int left = 0, top = 0, width = 0, height = 0;
};

struct FlatButton {
    std::string name;  // "Command1(3)", "ARFlatBttn1", ...
    std::string caption;
    bool bold = false;
    bool visible = true;
    bool enabled = true;
    Colour background = 0;
    TwipsBox box;
};

struct CaptionLabel {
    std::string name;  // empty for fixed captions
    std::string caption;
    TwipsBox box;
};

struct OptionControl {
    std::string name;  // "E1(2)", "eprom1(0)"
    std::string caption;
    bool selected = false;
    bool enabled = true;
    TwipsBox box;
};

struct FrameControl {
    std::string name;  // "Frame2(1)"
    std::string caption;
    bool visible = true;
    TwipsBox box;
};

struct SliderControl {
    std::string name;  // "Slider1"
    int value = 0;
    int min = 0;
    int max = 0;
    bool enabled = true;
    TwipsBox box;
};

// A text box the user types into.
struct TextBoxControl {
    std::string name;  // "dt288"
    std::string text;
    Background background = Background::ButtonFace;
    TwipsBox box;
};

// A picture that is only shown or hidden, such as a check mark.
struct ImageControl {
    std::string name;  // "ImageCheck(4)"
    bool visible = false;
    TwipsBox box;
};

// A coloured square with its caption, explaining one slot colour.
struct LegendEntry {
    std::string caption;
    Colour colour = 0;
    TwipsBox shape;
    TwipsBox text;
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
