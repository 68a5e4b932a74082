#pragma once
// Renders a MobileDialog: forwards typing in dt288, leaving it, the FECU
// options and the buttons, and opens the input calculator it asks for.

#include <QLineEdit>
#include <array>

#include "dialogs/dialog_help.h"
#include "dialogs/mobile.h"
#include "state/app.h"
#include "widgets/control_widgets.h"
#include "widgets/model_dialog.h"

namespace veltra {

class MobileView : public ModelDialog<MobileDialog> {
  public:
    MobileView(App& app, MobileDialog& model, QWidget* parent);

    QLineEdit* Dt288() const { return dt288_; }
    QRadioButton* Option(int k) const { return options_[size_t(k)]; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CalculatorButton() const { return calculator_; }
    void Render() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Opens the input calculator the model asked for.
    void AfterEvent() override;

  private:
    void OpenInputCalc();

    Dt288Box box_;
    QLineEdit* dt288_ = nullptr;
    std::array<QRadioButton*, kFecuModules> options_{};
    QLabel* maErl_ = nullptr;
    QPushButton* calculator_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace veltra
