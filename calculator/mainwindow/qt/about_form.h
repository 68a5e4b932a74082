#pragma once
// AboutForm: the About box, shown as the splash screen at start (no "Ok",
// closed by its timer) and modally from the menu (with "Ok", no timer).

#include <QDialog>
#include <functional>

#include "state/app.h"

class QPushButton;

namespace veltra {

class AboutForm : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Splash, Modal };
    AboutForm(App& app, Mode mode, QWidget* parent = nullptr);

    // Splash only: what Timer1 does when it fires, before the box unloads;
    // runs at once when the timer has already fired.
    void SetTimerAction(std::function<void()> action);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    App& app_;
    std::function<void()> timerAction_;
    bool timerFired_ = false;
};

}  // namespace veltra
