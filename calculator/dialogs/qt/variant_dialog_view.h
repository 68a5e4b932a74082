#pragma once
// Renders a VariantDialog and forwards the pointer and clicks to it.

#include <array>
#include <vector>

#include "dialogs/dialog_help.h"
#include "dialogs/variant_dialog.h"
#include "widgets/control_widgets.h"
#include "widgets/model_dialog.h"

namespace veltra {

class VariantDialogView : public ModelDialog<VariantDialog> {
  public:
    VariantDialogView(App& app, VariantDialog& model, QWidget* parent);

    // The widget of Command1(i), for tools that drive the window.
    FlatButtonWidget* VariantButton(int i) const { return buttons_[size_t(i)]; }
    FlatButtonWidget* CloseButton() const { return close_; }
    FlatButtonWidget* HelpButton() const { return help_; }
    void Render() override;

  protected:
    void CloseModel() override { CloseButton_Click(model_); }

  private:
    std::array<FlatButtonWidget*, kVariantCount> buttons_{};
    FlatButtonWidget* close_ = nullptr;
    FlatButtonWidget* help_ = nullptr;
    std::vector<QLabel*> labels_;
    SlotRowView slots_;
};

}  // namespace veltra
