#pragma once
// Renders an IpuFormDialog and forwards its options and buttons.

#include <QDialog>
#include <array>

#include "app/app.h"
#include "dialog_widgets.h"
#include "ipu_form.h"

namespace veltra {

class IpuFormView : public QDialog {
  public:
    IpuFormView(App& app, IpuFormDialog& model, QWidget* parent);

    QRadioButton* Option(int i) const { return options_[size_t(i)]; }
    QPushButton* OkButton() const { return ok_; }
    void Render();
    void reject() override;

  private:
    template <class Handler>
    void Forward(Handler&& handler);

    App& app_;
    IpuFormDialog& model_;
    std::array<QRadioButton*, 3> options_{};
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace veltra
