#include "control_text.h"

#include <charconv>

namespace veltra {

namespace {

const char* Flag(bool value, const char* yes, const char* no) {
    return value ? yes : no;
}

}  // namespace

std::optional<ControlName> ParseControlName(std::string_view text) {
    const size_t open = text.find('(');
    if (open == std::string_view::npos) return ControlName{text, -1};
    if (text.back() != ')' || open == 0) return std::nullopt;
    const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || index < 0)
        return std::nullopt;
    return ControlName{text.substr(0, open), index};
}

std::string ButtonLine(const FlatButton& b) {
    return "button " + b.name + " | " + b.caption + " | " + Flag(b.bold, "bold", "normal") + " | " +
           Flag(b.visible, "visible", "hidden") + " | " + Flag(b.enabled, "enabled", "disabled");
}

std::string OptionLine(const OptionButton& o, bool visible) {
    return "option " + o.name + " | " + Flag(o.selected, "on", "off") + " | " +
           Flag(o.enabled, "enabled", "disabled") + " | " + Flag(visible, "visible", "hidden");
}

std::string LabelLine(const CaptionLabel& label) {
    return "label " + label.name + " | " + label.caption;
}

std::string SliderLine(const SliderControl& s) {
    return "slider " + std::to_string(s.value) + " | " + std::to_string(s.min) + " | " +
           std::to_string(s.max) + " | " + Flag(s.enabled, "enabled", "disabled");
}

std::string TextLine(const TextBox& box) {
    return "text " + box.name + " | " + box.text + " | " +
           Flag(box.background == Background::Window, "window", "face");
}

std::string ImageLine(const ImageControl& image) {
    return "image " + image.name + " | " + Flag(image.visible, "visible", "hidden");
}

}  // namespace veltra
