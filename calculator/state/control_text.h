#pragma once
// Dialog controls as the text tools name and print them: "Command1(3)" and
// "button NAME | CAPTION | bold|normal | visible|hidden | enabled|disabled".

#include <optional>
#include <string>
#include <string_view>

#include "controls.h"

namespace veltra {

struct ControlName {
    std::string_view base;
    int index = -1;  // -1: not a control array element
};

// "Command1(3)" -> {"Command1", 3}; "Command2" -> {"Command2", -1}.
std::optional<ControlName> ParseControlName(std::string_view text);

std::string ButtonLine(const FlatButton& button);
std::string OptionLine(const OptionButton& option, bool visible);
std::string LabelLine(const CaptionLabel& label);
std::string SliderLine(const SliderControl& slider);
std::string TextLine(const TextBox& box);
std::string ImageLine(const ImageControl& image);

}  // namespace veltra
