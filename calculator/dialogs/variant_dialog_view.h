#pragma once
// Renders a VariantDialog and forwards the pointer and clicks to it.

#include <QDialog>
#include <array>
#include <vector>

#include "state/app.h"
#include "variant_dialog.h"
#include "widgets/control_widgets.h"

namespace veltra {

class VariantDialogView : public QDialog {
  public:
    VariantDialogView(App& app, VariantDialog& model, QWidget* parent);

    // The widget of Command1(i), for tools that drive the window.
    FlatButtonWidget* VariantButton(int i) const { return buttons_[size_t(i)]; }
    FlatButtonWidget* CloseButton() const { return close_; }
    FlatButtonWidget* HelpButton() const { return help_; }
    void Render();

    // The window's close control and Escape: the dialog closes, storing nothing.
    void reject() override;

  private:
    // Runs a handler as one event, then redraws or closes.
    template <class Handler>
    void Forward(Handler&& handler);

    App& app_;
    VariantDialog& model_;
    std::array<FlatButtonWidget*, kVariantCount> buttons_{};
    FlatButtonWidget* close_ = nullptr;
    FlatButtonWidget* help_ = nullptr;
    std::vector<QLabel*> labels_;
    SlotRowView slots_;
};

}  // namespace veltra
