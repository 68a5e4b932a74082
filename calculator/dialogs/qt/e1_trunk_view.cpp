#include "e1_trunk_view.h"

namespace veltra {

namespace {

// Option buttons show the model's selection only; the model keeps each pair
// exclusive, and a pair may have neither member selected.
QRadioButton* NewOption(QWidget* parent, const OptionButton& model) {
    auto* option = new QRadioButton(QString::fromStdString(model.caption), parent);
    option->setAutoExclusive(false);
    option->setGeometry(ToPixels(model.box));
    return option;
}

}  // namespace

E1TrunkView::E1TrunkView(App& app, E1TrunkDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent), slots_(this, model.picture) {
    AddLegend(this, model.legend);
    for (int i = 0; i <= kMaxE1Boards; ++i) {
        e1_[size_t(i)] = NewOption(this, model.E1[size_t(i)]);
        connect(e1_[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { Forward([&] { E1_Click(app_, model_, i); }); });
        AddLabel(this, model.E1Captions[size_t(i)]);
    }
    for (const CaptionLabel& caption : model.rowCaptions) AddLabel(this, caption);
    for (int k = 1; k <= kMaxE1Boards; ++k) {
        const FrameControl& frame = model.Frame2[size_t(k)];
        frames_[size_t(k)] = new QGroupBox(QString::fromStdString(frame.caption), this);
        frames_[size_t(k)]->setGeometry(ToPixels(frame.box));
        for (int c = 0; c < 2; ++c) {
            eprom_[size_t(k)][size_t(c)] =
                NewOption(frames_[size_t(k)], model.eprom[size_t(k)][size_t(c)]);
            connect(eprom_[size_t(k)][size_t(c)], &QRadioButton::clicked, this,
                    [this, k, c] { Forward([&] { FindCasIsdn(model_, k, c); }); });
        }
    }
    ok_ = new QPushButton(QString::fromStdString(model.Command1.caption), this);
    ok_->setGeometry(ToPixels(model.Command1.box));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this,
            [this] { Forward([&] { Command1_Click(app_, model_); }); });
    help_ = new FlatButtonWidget(this);
    connect(help_, &FlatButtonWidget::clicked, this,
            [this] { Forward([&] { ARFlatBttn2_Click(app_); }); });
    Render();
}

void E1TrunkView::Render() {
    setFixedSize(TwipsToPixels(model_.widthTwips), TwipsToPixels(model_.heightTwips));
    for (int i = 0; i <= kMaxE1Boards; ++i) {
        e1_[size_t(i)]->setChecked(model_.E1[size_t(i)].selected);
        e1_[size_t(i)]->setEnabled(model_.E1[size_t(i)].enabled);
    }
    for (int k = 1; k <= kMaxE1Boards; ++k) {
        frames_[size_t(k)]->setVisible(model_.Frame2[size_t(k)].visible);
        for (int c = 0; c < 2; ++c) {
            const OptionButton& option = model_.eprom[size_t(k)][size_t(c)];
            eprom_[size_t(k)][size_t(c)]->setChecked(option.selected);
            eprom_[size_t(k)][size_t(c)]->setEnabled(option.enabled);
        }
    }
    ok_->setEnabled(model_.Command1.enabled);
    help_->Render(model_.ARFlatBttn2);
    slots_.Render(model_.picture);
}

}  // namespace veltra
