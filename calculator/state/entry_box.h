#pragma once
// A text box of a modal window that the user types into and leaves, and that
// the input calculator can fill: the handset dialog's dt288, the input
// calculator's own display. Tools and the input calculator reach the box of
// whichever window is on top through this.

#include <string>

namespace veltra {

class EntryBox {
  public:
    virtual ~EntryBox() = default;
    virtual std::string Name() const = 0;
    virtual std::string Text() const = 0;
    // Painted with the window colour (else the button face).
    virtual bool WindowColour() const = 0;
    // Replaces the text as typing does; a new text runs the change handling.
    virtual void Type(const std::string& text) = 0;
    // The focus leaves the box. False when the entry was refused: the window
    // said why and the focus stays in the box.
    virtual bool Leave() = 0;
};

}  // namespace veltra
