#pragma once
// Renders a BaseStationDialog and forwards the slider and the buttons to it.

#include <QSlider>

#include "dialogs/base_station.h"
#include "dialogs/dialog_help.h"
#include "state/app.h"
#include "widgets/control_widgets.h"
#include "widgets/model_dialog.h"

namespace veltra {

class BaseStationView : public ModelDialog<BaseStationDialog> {
  public:
    BaseStationView(App& app, BaseStationDialog& model, QWidget* parent);

    QSlider* Slider() const { return slider_; }
    QPushButton* OkButton() const { return ok_; }
    void Render() override;

  private:
    QSlider* slider_ = nullptr;
    QLabel* bsLabel_ = nullptr;
    QLabel* maxLabel_ = nullptr;
    QLabel* iccu_ = nullptr;
    QLabel* iclu_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    SlotRowView slots_;
};

}  // namespace veltra
