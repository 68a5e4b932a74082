#include "variant_dialog_view.h"

namespace veltra {

VariantDialogView::VariantDialogView(App& app, VariantDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent), slots_(this, model.picture) {
    AddLegend(this, model.legend);
    for (const CaptionLabel& label : model.countLabels) labels_.push_back(AddLabel(this, label));
    for (int i = 0; i < kVariantCount; ++i) {
        auto* button = new FlatButtonWidget(this);
        buttons_[size_t(i)] = button;
        connect(button, &FlatButtonWidget::hovered, this,
                [this, i] { Forward([&] { Command1_MouseMove(app_, model_, i); }); });
        connect(button, &FlatButtonWidget::clicked, this,
                [this, i] { Forward([&] { Command1_Click(app_, model_, i); }); });
    }
    close_ = new FlatButtonWidget(this);
    connect(close_, &FlatButtonWidget::clicked, this,
            [this] { Forward([&] { CloseButton_Click(model_); }); });
    if (model.helpButton) {
        help_ = new FlatButtonWidget(this);
        connect(help_, &FlatButtonWidget::clicked, this,
                [this] { Forward([&] { HelpButton_Click(app_, model_); }); });
    }
    Render();
}

void VariantDialogView::Render() {
    setFixedSize(TwipsToPixels(model_.widthTwips), TwipsToPixels(model_.heightTwips));
    for (int i = 0; i < kVariantCount; ++i) buttons_[size_t(i)]->Render(model_.Command1[size_t(i)]);
    close_->Render(model_.closeButton);
    if (help_) help_->Render(*model_.helpButton);
    for (size_t k = 0; k < labels_.size(); ++k)
        labels_[k]->setText(QString::fromStdString(model_.countLabels[k].caption));
    slots_.Render(model_.picture);
}

}  // namespace veltra
