#include "base_station_view.h"

#include <QSignalBlocker>

namespace veltra {

BaseStationView::BaseStationView(App& app, BaseStationDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent), slots_(this, model.picture) {
    AddLegend(this, model.legend);
    for (const CaptionLabel& caption : model.captions) AddLabel(this, caption);
    iccu_ = AddLabel(this, model.Label_ICCU);
    iclu_ = AddLabel(this, model.Label_ICLU);
    bsLabel_ = AddLabel(this, model.BSLabel);
    maxLabel_ = AddLabel(this, model.MaxBSLabel);
    maxLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName("Slider1");
    slider_->setGeometry(ToPixels(model.Slider1.box));
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(4);
    slider_->setPageStep(4);
    connect(slider_, &QSlider::valueChanged, this,
            [this](int value) { Forward([&] { Slider1_Change(app_, model_, value); }); });

    ok_ = Button(this, model.Command2, [this] { Command2_Click(app_, model_); });
    ok_->setDefault(true);
    close_ = Button(this, model.Command3, [this] { Command3_Click(model_); });
    help_ = Button(this, model.Command1, [this] { Command1_Click(app_, model_); });
    Render();
}

void BaseStationView::Render() {
    setFixedSize(TwipsToPixels(model_.widthTwips), TwipsToPixels(model_.heightTwips));
    {
        // Setting the range or value must not count as the user moving it.
        const QSignalBlocker blocker(slider_);
        slider_->setRange(model_.Slider1.min, model_.Slider1.max);
        slider_->setValue(model_.Slider1.value);
        slider_->setEnabled(model_.Slider1.enabled);
    }
    bsLabel_->setText(QString::fromStdString(model_.BSLabel.caption));
    maxLabel_->setText(QString::fromStdString(model_.MaxBSLabel.caption));
    iccu_->setText(QString::fromStdString(model_.Label_ICCU.caption));
    iclu_->setText(QString::fromStdString(model_.Label_ICLU.caption));
    slots_.Render(model_.picture);
}

}  // namespace veltra
