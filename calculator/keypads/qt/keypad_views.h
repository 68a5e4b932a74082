#pragma once
// The Qt views of the input calculator and the additional-item keypads: they
// render their model after every event and forward keys and closes to it.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "keypads/add_qty.h"
#include "keypads/input_calc.h"
#include "keypads/keypad_help.h"
#include "widgets/model_dialog.h"

namespace veltra {

// The twelve keys as push buttons painted in the model's colour.
class KeypadButtons {
  public:
    KeypadButtons(QWidget* parent, const DigitKeys& digits, const FlatButton& clear,
                  const FlatButton& ok);
    void Render(const DigitKeys& digits, const FlatButton& clear, const FlatButton& ok);

    QPushButton* Digit(int k) const { return digits_[size_t(k)]; }
    QPushButton* Clear() const { return clear_; }
    QPushButton* Ok() const { return ok_; }

  private:
    std::array<QPushButton*, 10> digits_{};
    QPushButton* clear_ = nullptr;
    QPushButton* ok_ = nullptr;
};

class InputCalcView : public ModelDialog<InputCalc> {
  public:
    InputCalcView(App& app, InputCalc& model, InputCalcBox& box, QWidget* parent);

    const KeypadButtons& Keys() const { return keys_; }
    QLineEdit* Display() const { return display_; }
    QLabel* MaxLabel() const { return label_; }
    void Render() override;

  protected:
    // The window's close control and Escape close without writing.
    void CloseModel() override { Form_Unload(model_, box_); }
    void keyPressEvent(QKeyEvent* event) override;

  private:
    InputCalcBox& box_;
    QLabel* label_ = nullptr;
    QLineEdit* display_ = nullptr;
    KeypadButtons keys_;
};

class AddQtyView : public ModelDialog<AddQtyPad> {
  public:
    AddQtyView(App& app, AddQtyPad& model, QWidget* parent);

    const KeypadButtons& Keys() const { return keys_; }
    QLineEdit* Display() const { return display_; }
    void Render() override;

  protected:
    // The window's close control: a close like "Ok", applying the display.
    void CloseModel() override { Form_Unload(app_, model_); }
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* display_ = nullptr;
    KeypadButtons keys_;
};

}  // namespace veltra
