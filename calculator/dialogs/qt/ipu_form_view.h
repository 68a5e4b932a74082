#pragma once
// Renders an IpuFormDialog and forwards its options and buttons.

#include <array>

#include "dialogs/dialog_help.h"
#include "dialogs/ipu_form.h"
#include "state/app.h"
#include "widgets/control_widgets.h"
#include "widgets/model_dialog.h"

namespace veltra {

class IpuFormView : public ModelDialog<IpuFormDialog> {
  public:
    IpuFormView(App& app, IpuFormDialog& model, QWidget* parent);

    QRadioButton* Option(int i) const { return options_[size_t(i)]; }
    QPushButton* OkButton() const { return ok_; }
    void Render() override;

  private:
    std::array<QRadioButton*, 3> options_{};
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace veltra
