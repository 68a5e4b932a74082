#include "keypad_text.h"

#include "keypads/keypad_keys.h"

namespace veltra {

namespace {

std::string KeyLine(const FlatButton& key) {
    return "button " + key.name + " | " + key.caption + " | " + (key.bold ? "bold" : "normal") +
           " | " + (key.visible ? "visible" : "hidden") + " | " +
           (key.enabled ? "enabled" : "disabled");
}

void AppendKeyLines(std::vector<std::string>& lines, const DigitKeys& digits,
                    const FlatButton& clear, const FlatButton& ok) {
    for (const FlatButton& key : digits) lines.push_back(KeyLine(key));
    lines.push_back(KeyLine(clear));
    lines.push_back(KeyLine(ok));
}

}  // namespace

std::vector<std::string> PrintInputCalc(const InputCalc& calc) {
    std::vector<std::string> lines = {"label " + calc.Label1.name + " | " + calc.Label1.caption,
                                      "text Text1 | " + calc.Text1 + " | window"};
    AppendKeyLines(lines, calc.Command1, calc.Command3, calc.Command2);
    return lines;
}

std::vector<std::string> PrintAddQty(const AddQtyPad& pad) {
    std::vector<std::string> lines = {"label " + pad.Text1.name + " | " + pad.Text1.caption};
    AppendKeyLines(lines, pad.Command3, pad.Command2, pad.Command1);
    return lines;
}

}  // namespace veltra
