#include "keypad_views.h"

#include <QApplication>
#include <QKeyEvent>

#include "state/app.h"
#include "widgets/control_widgets.h"

namespace veltra {

namespace {

// A key that the arrow keys leave for its neighbour in the grid.
class KeyButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->modifiers() == Qt::NoModifier && MoveFocusByArrow(this, event->key()))
            return event->accept();
        QPushButton::keyPressEvent(event);
    }
};

QPushButton* NewKey(QWidget* parent, const FlatButton& model) {
    auto* key = new KeyButton(QString::fromStdString(model.caption), parent);
    key->setObjectName(QString::fromStdString(model.name));
    key->setGeometry(ToPixels(model.box));
    QPalette palette = key->palette();
    const QColor face = ToQColor(model.background);
    palette.setColor(QPalette::Button, face);
    // The style's grey caption would vanish on the highlight colour.
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, face.darker(170));
    key->setPalette(palette);
    return key;
}

void SetUpWindow(QDialog& dialog, int width, int height) {
    dialog.setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace

KeypadButtons::KeypadButtons(QWidget* parent, const DigitKeys& digits, const FlatButton& clear,
                             const FlatButton& ok) {
    for (int k = 0; k <= 9; ++k) digits_[size_t(k)] = NewKey(parent, digits[size_t(k)]);
    clear_ = NewKey(parent, clear);
    ok_ = NewKey(parent, ok);
    // Enter presses the key with the focus, and "Ok" from anywhere else.
    ok_->setDefault(true);
}

void KeypadButtons::Render(const DigitKeys& digits, const FlatButton& clear, const FlatButton& ok) {
    for (int k = 0; k <= 9; ++k) digits_[size_t(k)]->setEnabled(digits[size_t(k)].enabled);
    clear_->setEnabled(clear.enabled);
    ok_->setEnabled(ok.enabled);
}

InputCalcView::InputCalcView(App& app, InputCalc& model, InputCalcBox& box, QWidget* parent)
    : ModelDialog(app, model, parent),
      box_(box),
      keys_(this, model.Command1, model.Command3, model.Command2) {
    setObjectName("InputCalc");
    SetUpWindow(*this, model.widthTwips, model.heightTwips);
    label_ = AddLabel(this, model.Label1);
    label_->setObjectName("Label1");
    display_ = new QLineEdit(this);
    display_->setObjectName("Text1");
    display_->setGeometry(ToPixels(model.Text1Box));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(display_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Forward([&] { Text1_Change(model_, text.toStdString()); });
    });
    // The keys are reached with Tab but take no focus from a click, so
    // typing goes on in the display.
    for (int k = 0; k <= 9; ++k) {
        keys_.Digit(k)->setFocusPolicy(Qt::TabFocus);
        connect(keys_.Digit(k), &QPushButton::clicked, this,
                [this, k] { Forward([&] { Command1_Click(model_, k); }); });
    }
    keys_.Clear()->setFocusPolicy(Qt::TabFocus);
    keys_.Ok()->setFocusPolicy(Qt::TabFocus);
    connect(keys_.Clear(), &QPushButton::clicked, this,
            [this] { Forward([&] { Command3_Click(model_); }); });
    connect(keys_.Ok(), &QPushButton::clicked, this,
            [this] { Forward([&] { Command2_Click(model_, box_); }); });
    display_->setFocus();
    Render();
}

void InputCalcView::Render() {
    label_->setText(QString::fromStdString(model_.Label1.caption));
    const QString text = QString::fromStdString(model_.Text1);
    if (display_->text() != text) display_->setText(text);
    keys_.Render(model_.Command1, model_.Command3, model_.Command2);
}

AddQtyView::AddQtyView(App& app, AddQtyPad& model, QWidget* parent)
    : ModelDialog(app, model, parent), keys_(this, model.Command3, model.Command2, model.Command1) {
    setObjectName(model.kind == AddPadKind::AddQty ? "AddQty" : "AddListQty");
    SetUpWindow(*this, model.widthTwips, model.heightTwips);
    // Shown like the calculator's display, but nothing can be typed into it.
    display_ = new QLineEdit(this);
    display_->setObjectName("Text1");
    display_->setGeometry(ToPixels(model.Text1.box));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    for (int k = 0; k <= 9; ++k) {
        connect(keys_.Digit(k), &QPushButton::clicked, this,
                [this, k] { Forward([&] { Command3_Click(model_, k); }); });
    }
    connect(keys_.Clear(), &QPushButton::clicked, this,
            [this] { Forward([&] { Command2_Click(app_, model_); }); });
    connect(keys_.Ok(), &QPushButton::clicked, this,
            [this] { Forward([&] { Command1_Click(app_, model_); }); });
    keys_.Ok()->setFocus();
    Render();
}

void AddQtyView::Render() {
    display_->setText(QString::fromStdString(model_.Text1.caption));
    keys_.Render(model_.Command3, model_.Command2, model_.Command1);
    if (model_.focus == model_.Command1.name) keys_.Ok()->setFocus();
}

void InputCalcView::keyPressEvent(QKeyEvent* event) {
    // A digit typed while a key has the focus goes to the display all the same.
    const QString text = event->text();
    if (!display_->hasFocus() && text.size() == 1 && text[0] >= u'0' && text[0] <= u'9' &&
        event->modifiers() == Qt::NoModifier) {
        display_->setFocus(Qt::OtherFocusReason);
        QKeyEvent typed(event->type(), event->key(), event->modifiers(), text);
        QApplication::sendEvent(display_, &typed);
        return event->accept();
    }
    ModelDialog::keyPressEvent(event);
}

void AddQtyView::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    char key = 0;
    if (event->key() == Qt::Key_Escape) {
        key = kEscKey;
    } else if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
        key = char(text[0].unicode());
    }
    if (key) {
        bool taken = false;
        Forward([&] { taken = Form_KeyPress(model_, key); });
        // AddQty's own Escape shows "0"; elsewhere Escape closes as the
        // window's close control does.
        if (taken) return event->accept();
    }
    ModelDialog::keyPressEvent(event);
}

}  // namespace veltra
