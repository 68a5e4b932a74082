#include "ipu_form_view.h"

namespace veltra {

IpuFormView::IpuFormView(App& app, IpuFormDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent) {
    AddLabel(this, model.caption);
    for (int i = 0; i < 3; ++i) {
        options_[size_t(i)] = AddOption(this, model.IPUInterface[size_t(i)]);
        connect(options_[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { Forward([&] { IPUInterface_Click(model_, i); }); });
    }
    ok_ = Button(this, model.Command1, [this] { Command1_Click(app_, model_); });
    ok_->setDefault(true);
    close_ = Button(this, model.Command3, [this] { Command3_Click(model_); });
    help_ = Button(this, model.Command2, [this] { Command2_Click(app_, model_); });
    Render();
}

void IpuFormView::Render() {
    setFixedSize(TwipsToPixels(model_.widthTwips), TwipsToPixels(model_.heightTwips));
    for (int i = 0; i < 3; ++i) RenderOption(options_[size_t(i)], model_.IPUInterface[size_t(i)]);
}

}  // namespace veltra
