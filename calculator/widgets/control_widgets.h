#pragma once
// Qt pieces the dialogs and keypads share: the flat button with its
// pointer-over signal, the coloured shapes of the slot picture and the
// legend, and plain buttons, options, labels and frames placed in twips.

#include <QAbstractButton>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <array>
#include <vector>

#include "conversions.h"
#include "state/controls.h"
#include "state/slot_picture.h"

namespace veltra {

// Reached with Tab and the arrow keys; a click leaves the focus where it was.
// Space or Enter presses it. The focus frame shows once the keyboard has
// moved the focus in its window, as the style's own buttons do.
class FlatButtonWidget : public QAbstractButton {
    Q_OBJECT
  public:
    explicit FlatButtonWidget(QWidget* parent);
    void Render(const FlatButton& model);

  signals:
    // The pointer entered the button, or Tab or an arrow key reached it.
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Reached from the keyboard it previews as the pointer over it does.
    void focusInEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QColor background_;
    bool pointerOver_ = false;
};

// A rectangle with a thin border, filled solid or left transparent.
class ShapeWidget : public QWidget {
  public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}
    void Render(bool solid, Colour fill);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool solid_ = false;
    QColor fill_;
};

// The 27 slot shapes.
class SlotRowView {
  public:
    SlotRowView(QWidget* parent, const SlotPicture& picture);
    void Render(const SlotPicture& picture);

  private:
    std::array<ShapeWidget*, kSlotCount> shapes_{};
};

// Legend squares with their captions; built once, they never change.
void AddLegend(QWidget* parent, const std::vector<LegendEntry>& legend);
QLabel* AddLabel(QWidget* parent, const CaptionLabel& label);

// Plain push buttons, option buttons and frames of the smaller dialogs. The
// option buttons show the model's selection only; the model keeps a group
// exclusive. Buttons take no focus from a click, so a click reaches the model
// while the focus stays where it was.
QPushButton* AddButton(QWidget* parent, const FlatButton& model);
void RenderButton(QPushButton* button, const FlatButton& model);
QRadioButton* AddOption(QWidget* parent, const OptionButton& model);
void RenderOption(QRadioButton* option, const OptionButton& model);
QGroupBox* AddFrame(QWidget* parent, const FrameControl& model);

// An arrow key on a button of a grid (variant buttons, keypad keys): the
// focus goes to the nearest usable button of the same kind and container
// that way. False for another key or when none lies that way.
bool MoveFocusByArrow(QWidget* from, int key);

}  // namespace veltra
