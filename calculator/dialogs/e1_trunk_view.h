#pragma once
// Renders an E1TrunkDialog and forwards the option clicks, OK and help to it.

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "e1_trunk.h"
#include "state/app.h"
#include "widgets/control_widgets.h"

namespace veltra {

class E1TrunkView : public QDialog {
  public:
    E1TrunkView(App& app, E1TrunkDialog& model, QWidget* parent);

    QRadioButton* E1(int i) const { return e1_[size_t(i)]; }
    QRadioButton* Eprom(int board, int choice) const {
        return eprom_[size_t(board)][size_t(choice)];
    }
    QPushButton* OkButton() const { return ok_; }
    void Render();

    // The window's close control and Escape: the dialog closes, storing nothing.
    void reject() override;

  private:
    template <class Handler>
    void Forward(Handler&& handler);

    App& app_;
    E1TrunkDialog& model_;
    std::array<QRadioButton*, kMaxE1Boards + 1> e1_{};
    std::array<QGroupBox*, kMaxE1Boards + 1> frames_{};
    std::array<std::array<QRadioButton*, 2>, kMaxE1Boards + 1> eprom_{};
    QPushButton* ok_ = nullptr;
    FlatButtonWidget* help_ = nullptr;
    SlotRowView slots_;
};

}  // namespace veltra
