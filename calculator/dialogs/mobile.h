#pragma once
// The dialog Mobile: the number of cordless handsets (ZA-288, 0 to 210), the
// FECU module that serves them and the traffic each handset may offer over
// the cordless boards fitted.

#include <array>
#include <optional>
#include <string>

#include "calculation/fecu_modules.h"
#include "state/app.h"
#include "state/controls.h"
#include "state/entry_box.h"

namespace veltra {

// A wish of the dialog that its window fulfils: open the input calculator
// for dt288, `below` twips under the box, then call InputCalcClosed.
struct InputCalcRequest {
    int below = 0;
};

struct MobileDialog {
    TextBox dt288;
    bool dt288Focused = true;  // the box has the focus when the dialog opens
    Count lastAccepted = 0;    // what an invalid entry is reset to
    FrameControl frame;
    std::array<OptionButton, kFecuModules> FecuMobile;
    CaptionLabel MaErl;
    std::vector<CaptionLabel> captions;
    FlatButton Command16;  // input calculator
    FlatButton Command1;   // OK
    FlatButton Command3;   // close
    FlatButton Command2;   // help
    std::optional<InputCalcRequest> inputCalc;

    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    bool closed = false;
};

// The leading number of a text, read with a period: "12abc" is 12, "" is 0.
double LeadingNumber(std::string_view text);

// The traffic line's figure: the load as a four-decimal fixed-point text cut
// to four characters (8 ÷ 3 gives "2,66", 16 ÷ 10 gives "1,6").
std::string TrafficFigure(double load, char separator);

// The most handsets the exchange takes now: 210, or fewer when the lines
// still free plus the current handsets are fewer.
Count HandsetMaximum(const App& app);

// Fills dt288 from HandsetCount, selects the stored FECU module, ErlCalc.
MobileDialog OpenMobile(const App& app);

// The user replaced the box's text; a new text runs the change handling.
void dt288_Type(const App& app, MobileDialog& dialog, const std::string& text);
// Colour and the FECU option whose range holds the value.
void dt288_Change(const App& app, MobileDialog& dialog);
// The box loses the focus. A count is digits only, blanks at both ends aside,
// and at most HandsetMaximum. Returns false when the entry was refused: the
// message was shown, the last accepted value is back and the focus stays.
bool dt288_Validate(App& app, MobileDialog& dialog);

void FecuMobile_Click(App& app, MobileDialog& dialog, int k);
// Asks for the input calculator with at most the lines still free.
void Command16_Click(App& app, MobileDialog& dialog);
// The calculator asked for by Command16 has closed.
void InputCalcClosed(const App& app, MobileDialog& dialog);
void ErlCalc(const App& app, MobileDialog& dialog);
// OK: validates the box, then writes its one count to MobileText,
// HandsetCount and the handset item, the selected module to FecuModule and
// its item; recalculates.
void Command1_Click(App& app, MobileDialog& dialog);
void Command3_Click(MobileDialog& dialog);
void Command2_Click(App& app, const MobileDialog& dialog);

// dt288 as an entry box: typing runs dt288_Type, leaving dt288_Validate.
class Dt288Box : public EntryBox {
  public:
    Dt288Box(App& app, MobileDialog& dialog) : app_(app), dialog_(dialog) {}
    std::string Name() const override { return dialog_.dt288.name; }
    std::string Text() const override { return dialog_.dt288.text; }
    bool WindowColour() const override { return dialog_.dt288.background == Background::Window; }
    void Type(const std::string& text) override { dt288_Type(app_, dialog_, text); }
    bool Leave() override { return dt288_Validate(app_, dialog_); }

  private:
    App& app_;
    MobileDialog& dialog_;
};

inline constexpr const char* kHandsetRangeMessage =
    "Диапазон значений от 0 до - 210 минус количество VO-368\r"
    "Будет возвращено старое значение";

}  // namespace veltra
