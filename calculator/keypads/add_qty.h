#pragma once
// The additional-item keypads: AddQty, opened from the catalogue tree, and
// AddListQty, opened from the added-items list. Both take a quantity of up to
// four digits and apply it on every close.

#include <string>
#include <vector>

#include "keypad_keys.h"
#include "state/app.h"

namespace veltra {

enum class AddPadKind { AddQty, AddListQty };

inline constexpr int kAddQtyDigits = 4;

struct AddQtyPad {
    AddPadKind kind = AddPadKind::AddQty;
    std::string key;  // the tree node or list row it works on
    std::string title;
    CaptionLabel Text1;  // the display
    DigitKeys Command3;
    FlatButton Command2;  // "C"
    FlatButton Command1;  // "Ok"
    std::string focus;    // the control with the keyboard focus

    int widthTwips = kKeypadWidthTwips;
    int heightTwips = 0;
    bool closed = false;
};

// The keypad of the tree's SelectNode or of the list's SelectList.
AddQtyPad OpenAddQty(const App& app);
AddQtyPad OpenAddListQty(const App& app);

// Digit key k: the display takes up to four digits, without leading zeros;
// once it is full the digit keys stay disabled.
void Command3_Click(AddQtyPad& pad, int k);
// The keyboard of AddQty: "0".."9" act as the digit keys, Esc shows "0"
// without enabling a key. AddListQty and other keys ignore it. Returns
// whether the key was taken.
inline constexpr char kEscKey = '\x1b';
bool Form_KeyPress(AddQtyPad& pad, char key);
// "Ok" closes; "C" shows "0" and closes. Every close applies the display.
void Command1_Click(App& app, AddQtyPad& pad);
void Command2_Click(App& app, AddQtyPad& pad);
// The window's close control.
void Form_Unload(App& app, AddQtyPad& pad);

}  // namespace veltra
