#include "control_widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "state/key_navigation.h"

namespace veltra {

FlatButtonWidget::FlatButtonWidget(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void FlatButtonWidget::Render(const FlatButton& model) {
    setGeometry(ToPixels(model.box));
    setText(QString::fromStdString(model.caption));
    QFont f = font();
    f.setBold(model.bold);
    setFont(f);
    background_ = ToQColor(model.background);
    setEnabled(model.enabled);
    setVisible(model.visible);
    update();
}

void FlatButtonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), background_);
    // Flat until the pointer is over it; raised then, sunken while pressed.
    if (pointerOver_ && isEnabled()) {
        const bool down = isDown();
        painter.setPen(down ? palette().color(QPalette::Dark) : palette().color(QPalette::Light));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(down ? palette().color(QPalette::Light) : palette().color(QPalette::Dark));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, text());
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    if (focus.state & QStyle::State_HasFocus && focus.state & QStyle::State_KeyboardFocusChange) {
        focus.rect = rect().adjusted(1, 1, -2, -2);
        focus.backgroundColor = background_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void FlatButtonWidget::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return event->accept();
    }
    if (event->modifiers() == Qt::NoModifier && MoveFocusByArrow(this, event->key()))
        return event->accept();
    QAbstractButton::keyPressEvent(event);
}

void FlatButtonWidget::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit hovered();
}

void FlatButtonWidget::enterEvent(QEnterEvent* event) {
    pointerOver_ = true;
    update();
    QAbstractButton::enterEvent(event);
    emit hovered();
}

void FlatButtonWidget::leaveEvent(QEvent* event) {
    pointerOver_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ShapeWidget::Render(bool solid, Colour fill) {
    solid_ = solid;
    if (solid) fill_ = ToQColor(fill);
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (solid_) painter.fillRect(rect(), fill_);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

SlotRowView::SlotRowView(QWidget* parent, const SlotPicture& picture) {
    for (int s = 0; s < kSlotCount; ++s) {
        shapes_[size_t(s)] = new ShapeWidget(parent);
        shapes_[size_t(s)]->setGeometry(ToPixels(picture.boxes[size_t(s)]));
    }
}

void SlotRowView::Render(const SlotPicture& picture) {
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotShape& shape = picture.Shape2[size_t(s)];
        shapes_[size_t(s)]->Render(shape.opaque, shape.colour);
    }
}

void AddLegend(QWidget* parent, const std::vector<LegendEntry>& legend) {
    for (const LegendEntry& entry : legend) {
        auto* shape = new ShapeWidget(parent);
        shape->setGeometry(ToPixels(entry.shape));
        shape->Render(true, entry.colour);
        AddLabel(parent, {"", entry.caption, entry.text});
    }
}

QLabel* AddLabel(QWidget* parent, const CaptionLabel& label) {
    auto* widget = new QLabel(QString::fromStdString(label.caption), parent);
    widget->setGeometry(ToPixels(label.box));
    widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return widget;
}

QPushButton* AddButton(QWidget* parent, const FlatButton& model) {
    auto* button = new QPushButton(QString::fromStdString(model.caption), parent);
    button->setFocusPolicy(Qt::TabFocus);
    RenderButton(button, model);
    return button;
}

void RenderButton(QPushButton* button, const FlatButton& model) {
    button->setGeometry(ToPixels(model.box));
    button->setEnabled(model.enabled);
    button->setVisible(model.visible);
}

QRadioButton* AddOption(QWidget* parent, const OptionButton& model) {
    auto* option = new QRadioButton(QString::fromStdString(model.caption), parent);
    option->setAutoExclusive(false);
    option->setFocusPolicy(Qt::TabFocus);
    option->setGeometry(ToPixels(model.box));
    RenderOption(option, model);
    return option;
}

void RenderOption(QRadioButton* option, const OptionButton& model) {
    option->setChecked(model.selected);
    option->setEnabled(model.enabled);
}

QGroupBox* AddFrame(QWidget* parent, const FrameControl& model) {
    auto* frame = new QGroupBox(QString::fromStdString(model.caption), parent);
    frame->setGeometry(ToPixels(model.box));
    return frame;
}

bool MoveFocusByArrow(QWidget* from, int key) {
    Arrow arrow;
    switch (key) {
        case Qt::Key_Left:
            arrow = Arrow::Left;
            break;
        case Qt::Key_Right:
            arrow = Arrow::Right;
            break;
        case Qt::Key_Up:
            arrow = Arrow::Up;
            break;
        case Qt::Key_Down:
            arrow = Arrow::Down;
            break;
        default:
            return false;
    }
    if (!from->parentWidget()) return false;
    std::vector<QWidget*> buttons;
    std::vector<TwipsRect> boxes;
    std::vector<bool> usable;
    size_t at = 0;
    for (QWidget* w : from->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->metaObject() != from->metaObject()) continue;
        if (w == from) at = buttons.size();
        buttons.push_back(w);
        boxes.push_back(ToTwips(w->geometry()));
        usable.push_back(w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus));
    }
    const size_t to = ArrowTarget(boxes, usable, at, arrow);
    if (to == at) return false;
    buttons[to]->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace veltra
