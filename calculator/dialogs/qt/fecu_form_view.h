#pragma once
// Renders a FecuFormDialog: the eleven packages with the check mark beside the
// required one.

#include <array>

#include "dialogs/dialog_help.h"
#include "dialogs/fecu_form.h"
#include "state/app.h"
#include "widgets/control_widgets.h"
#include "widgets/model_dialog.h"

namespace veltra {

// A green tick, shown or hidden.
class CheckMarkWidget : public QWidget {
  public:
    explicit CheckMarkWidget(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class FecuFormView : public ModelDialog<FecuFormDialog> {
  public:
    FecuFormView(App& app, FecuFormDialog& model, QWidget* parent);

    QRadioButton* Option(int level) const { return options_[size_t(level)]; }
    CheckMarkWidget* Check(int level) const { return checks_[size_t(level)]; }
    QPushButton* OkButton() const { return ok_; }
    void Render() override;

  private:
    std::array<QRadioButton*, kFecuLevels + 1> options_{};
    std::array<CheckMarkWidget*, kFecuLevels + 1> checks_{};
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace veltra
