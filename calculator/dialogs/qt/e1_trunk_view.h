#pragma once
// Renders an E1TrunkDialog and forwards the option clicks, OK and help to it.

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "dialogs/dialog_help.h"
#include "dialogs/e1_trunk.h"
#include "widgets/control_widgets.h"
#include "widgets/model_dialog.h"

namespace veltra {

class E1TrunkView : public ModelDialog<E1TrunkDialog> {
  public:
    E1TrunkView(App& app, E1TrunkDialog& model, QWidget* parent);

    QRadioButton* E1(int i) const { return e1_[size_t(i)]; }
    QRadioButton* Eprom(int board, int choice) const {
        return eprom_[size_t(board)][size_t(choice)];
    }
    QPushButton* OkButton() const { return ok_; }
    void Render() override;

  protected:
    void CloseModel() override { CloseWindow(model_); }

  private:
    std::array<QRadioButton*, kMaxE1Boards + 1> e1_{};
    std::array<QGroupBox*, kMaxE1Boards + 1> frames_{};
    std::array<std::array<QRadioButton*, 2>, kMaxE1Boards + 1> eprom_{};
    QPushButton* ok_ = nullptr;
    FlatButtonWidget* help_ = nullptr;
    SlotRowView slots_;
};

}  // namespace veltra
