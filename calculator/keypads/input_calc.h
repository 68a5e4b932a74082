#pragma once
// The input calculator InputCalc: a number pad that only lets through digits
// that keep the number within InputCalcMax, and writes the display into its
// target box on "Ok". The box's own change handling then checks the range.

#include <memory>
#include <string>

#include "keypad_keys.h"
#include "state/app.h"
#include "state/entry_box.h"

namespace veltra {

// The box the calculator fills: a main-window field or a dialog's entry box.
class InputCalcBox {
  public:
    virtual ~InputCalcBox() = default;
    virtual std::string Name() const = 0;
    virtual std::string Text() const = 0;
    // Writes the text; a text different from the shown one runs the box's
    // change handling.
    virtual void Write(const std::string& text) = 0;
    virtual void Paint(Background background) = 0;
};

// One of the main window's count fields.
class MainFieldBox final : public InputCalcBox {
  public:
    MainFieldBox(App& app, FieldId id) : app_(app), id_(id) {}
    std::string Name() const override;
    std::string Text() const override;
    void Write(const std::string& text) override;
    void Paint(Background background) override;

  private:
    App& app_;
    FieldId id_;
};

// A dialog's entry box (the handset dialog's dt288): "Ok" types into it, and
// its own change handling paints it.
class EntryInputCalcBox final : public InputCalcBox {
  public:
    explicit EntryInputCalcBox(EntryBox& box) : box_(box) {}
    std::string Name() const override { return box_.Name(); }
    std::string Text() const override { return box_.Text(); }
    void Write(const std::string& text) override {
        if (text != box_.Text()) box_.Type(text);
    }
    void Paint(Background) override {}

  private:
    EntryBox& box_;
};

// The field that InputCalcTarget names; nullptr when it names none.
std::unique_ptr<InputCalcBox> MainFieldBoxFor(App& app);

struct InputCalc {
    std::string title;
    CaptionLabel Label1;  // the maximum
    std::string Text1;    // the display
    TwipsRect Text1Box;
    DigitKeys Command1;
    FlatButton Command3;  // "C"
    FlatButton Command2;  // "Ok"
    Count KeypadDisabledCount = 0;
    Count KeypadTrialValue = 0;

    Count max;  // InputCalcMax when loaded
    char decimalSeparator = ',';
    int widthTwips = kKeypadWidthTwips;
    int heightTwips = 0;
    bool closed = false;
};

// Load: the label, the keys in the highlight colour and RecalcButton.
InputCalc LoadInputCalc(const App& app);
// "Макс." and the maximum as a signed number text ("Макс. 300", "Макс.-4").
std::string MaxLabel(Count max);

// Enables exactly the digit keys that keep the number within the maximum.
void RecalcButton(InputCalc& calc);

// Digit key k: appends k, leading zeros kept.
void Command1_Click(InputCalc& calc, int k);
// Typing into the display; the target's range check answers for the text.
void Text1_Change(InputCalc& calc, const std::string& text);
// "C": clears the display.
void Command3_Click(InputCalc& calc);
// "Ok": writes a non-empty display into the box, then closes.
void Command2_Click(InputCalc& calc, InputCalcBox& box);
// The window's close control: closes without writing.
void Form_Unload(InputCalc& calc, InputCalcBox& box);

}  // namespace veltra
