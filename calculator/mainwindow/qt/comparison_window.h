#pragma once
// The comparison window: its model's lines as selectable text, a button that
// copies them, and the view with both sides under the current price list.

#include <QDialog>

#include "mainwindow/revision_menu.h"

class QPlainTextEdit;
class QCheckBox;

namespace veltra {

class ComparisonWindow : public QDialog {
  public:
    ComparisonWindow(ComparisonWindowModel model, char decimalSeparator, QWidget* parent);

  private:
    void Render();

    ComparisonWindowModel model_;
    char decimalSeparator_;
    QPlainTextEdit* text_ = nullptr;
    QCheckBox* underList_ = nullptr;
};

// Shown beside the main window; it deletes itself when closed.
void ShowComparisonWindow(ComparisonWindowModel model, char decimalSeparator, QWidget* parent);

}  // namespace veltra
