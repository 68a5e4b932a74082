#pragma once
// PowerMsg: the modal box that the power step shows when the configuration
// draws more power than its supplies deliver.

#include <QDialog>
#include <functional>

namespace veltra {

class PowerMsg : public QDialog {
    Q_OBJECT
  public:
    explicit PowerMsg(QWidget* parent = nullptr, std::function<void()> help = {});

    // Shows the box modally in the middle of the screen; F1 there runs `help`.
    static void ShowCentred(QWidget* parent, std::function<void()> help = {});

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void()> help_;
};

}  // namespace veltra
