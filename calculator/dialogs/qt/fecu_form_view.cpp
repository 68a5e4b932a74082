#include "fecu_form_view.h"

#include <QPainter>
#include <QPainterPath>

namespace veltra {

void CheckMarkWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(QColor(0, 128, 0), qMax(2, width() / 6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal w = width(), h = height();
    QPainterPath tick;
    tick.moveTo(w * 0.15, h * 0.55);
    tick.lineTo(w * 0.4, h * 0.8);
    tick.lineTo(w * 0.85, h * 0.2);
    painter.drawPath(tick);
}

FecuFormView::FecuFormView(App& app, FecuFormDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent) {
    QGroupBox* frame = AddFrame(this, model.frame);
    for (int i = 0; i <= kFecuLevels; ++i) {
        options_[size_t(i)] = AddOption(frame, model.Option1[size_t(i)]);
        connect(options_[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { Forward([&] { Option1_Click(model_, i); }); });
        checks_[size_t(i)] = new CheckMarkWidget(frame);
        checks_[size_t(i)]->setGeometry(ToPixels(model.ImageCheck[size_t(i)].box));
    }
    ok_ = Button(this, model.Command1, [this] { Command1_Click(app_, model_); });
    ok_->setDefault(true);
    close_ = Button(this, model.Command3, [this] { Command3_Click(model_); });
    Render();
}

void FecuFormView::Render() {
    setFixedSize(TwipsToPixels(model_.widthTwips), TwipsToPixels(model_.heightTwips));
    for (int i = 0; i <= kFecuLevels; ++i) {
        RenderOption(options_[size_t(i)], model_.Option1[size_t(i)]);
        checks_[size_t(i)]->setVisible(model_.ImageCheck[size_t(i)].visible);
    }
}

}  // namespace veltra
