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
    ok_ = AddButton(this, model.Command1);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this,
            [this] { Forward([&] { Command1_Click(app_, model_); }); });
    close_ = AddButton(this, model.Command3);
    connect(close_, &QPushButton::clicked, this,
            [this] { Forward([&] { Command3_Click(model_); }); });
    help_ = AddButton(this, model.Command2);
    connect(help_, &QPushButton::clicked, this,
            [this] { Forward([&] { Command2_Click(app_, model_); }); });
    Render();
}

void IpuFormView::Render() {
    setFixedSize(Pixels(model_.widthTwips), Pixels(model_.heightTwips));
    for (int i = 0; i < 3; ++i) RenderOption(options_[size_t(i)], model_.IPUInterface[size_t(i)]);
}

}  // namespace veltra
