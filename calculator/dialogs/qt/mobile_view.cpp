#include "mobile_view.h"

#include <QEvent>
#include <QFocusEvent>

#include "keypads/input_calc.h"
#include "keypads/qt/open_keypad.h"
#include "widgets/icons.h"

namespace veltra {

MobileView::MobileView(App& app, MobileDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent), box_(app, model) {
    for (const CaptionLabel& caption : model.captions) AddLabel(this, caption);
    dt288_ = new QLineEdit(this);
    dt288_->setObjectName("dt288");
    dt288_->setGeometry(ToPixels(model.dt288.box));
    dt288_->installEventFilter(this);
    connect(dt288_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Forward([&] { dt288_Type(app_, model_, text.toStdString()); });
    });

    calculator_ = Button(this, model.Command16, [this] { Command16_Click(app_, model_); });
    calculator_->setIcon(CalculatorButtonIcon());

    QGroupBox* frame = AddFrame(this, model.frame);
    for (int k = 0; k < kFecuModules; ++k) {
        options_[size_t(k)] = AddOption(frame, model.FecuMobile[size_t(k)]);
        connect(options_[size_t(k)], &QRadioButton::clicked, this,
                [this, k] { Forward([&] { FecuMobile_Click(app_, model_, k); }); });
    }
    maErl_ = AddLabel(this, model.MaErl);

    ok_ = Button(this, model.Command1, [this] { Command1_Click(app_, model_); });
    // Enter in the box means "Ok", not the calculator built before it.
    ok_->setDefault(true);
    close_ = Button(this, model.Command3, [this] { Command3_Click(model_); });
    help_ = Button(this, model.Command2, [this] { Command2_Click(app_, model_); });
    Render();
    dt288_->setFocus();
}

void MobileView::Render() {
    setFixedSize(TwipsToPixels(model_.widthTwips), TwipsToPixels(model_.heightTwips));
    const QString text = QString::fromStdString(model_.dt288.text);
    if (dt288_->text() != text) dt288_->setText(text);
    QPalette palette = dt288_->palette();
    palette.setColor(
        QPalette::Base,
        ToQColor(app_.platform.GetSystemColour(model_.dt288.background == Background::Window
                                                   ? SystemColour::Window
                                                   : SystemColour::ButtonFace)));
    dt288_->setPalette(palette);
    for (int k = 0; k < kFecuModules; ++k)
        RenderOption(options_[size_t(k)], model_.FecuMobile[size_t(k)]);
    maErl_->setText(QString::fromStdString(model_.MaErl.caption));
}

void MobileView::AfterEvent() {
    if (model_.inputCalc) OpenInputCalc();
}

// The calculator opens just below the box and fills it; the traffic line is
// refreshed once it has closed, whatever it wrote.
void MobileView::OpenInputCalc() {
    const QPoint below = dt288_->mapToGlobal(QPoint(0, dt288_->height())) +
                         QPoint(0, TwipsToPixels(model_.inputCalc->below));
    EntryInputCalcBox target(box_);
    veltra::OpenInputCalc(app_, target, this, below);
    Forward([&] { InputCalcClosed(app_, model_); });
}

bool MobileView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dt288_ && event->type() == QEvent::FocusIn) {
        model_.dt288Focused = true;
    } else if (watched == dt288_ && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window validates; a message
        // box or another window taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::MouseFocusReason) {
            bool accepted = true;
            Forward([&] { accepted = dt288_Validate(app_, model_); });
            if (!accepted) dt288_->setFocus();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace veltra
