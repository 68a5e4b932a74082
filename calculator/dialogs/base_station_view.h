#pragma once
// Renders a BaseStationDialog and forwards the slider and the buttons to it.

#include <QDialog>
#include <QSlider>

#include "base_station.h"
#include "app/app.h"
#include "dialog_widgets.h"

namespace veltra {

class BaseStationView : public QDialog {
  public:
    BaseStationView(App& app, BaseStationDialog& model, QWidget* parent);

    QSlider* Slider() const { return slider_; }
    QPushButton* OkButton() const { return ok_; }
    void Render();

    // The window's close control and Escape: nothing is stored.
    void reject() override;

  private:
    template <class Handler>
    void Forward(Handler&& handler);

    App& app_;
    BaseStationDialog& model_;
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
