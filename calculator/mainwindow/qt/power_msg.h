#pragma once
// PowerMsg: the modal box that the power step shows when the configuration
// draws more power than its supplies deliver.

#include <QDialog>

namespace veltra {

class PowerMsg : public QDialog {
    Q_OBJECT
  public:
    explicit PowerMsg(QWidget* parent = nullptr);

    // Shows the box modally in the middle of the screen.
    static void ShowCentred(QWidget* parent);
};

}  // namespace veltra
