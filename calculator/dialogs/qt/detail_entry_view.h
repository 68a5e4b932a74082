#pragma once
// The entries of the proposal and seller dialogs: a line, a box of several
// lines or an editable drop-down of offered values, each showing its model's
// text and handing every edit to a handler. A text the model rewrites (a
// number that follows the date) is shown without moving the cursor of an
// unchanged one.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/proposal_dialog.h"

namespace veltra {

class DetailEntryView {
  public:
    using Typed = std::function<void(const std::string& text)>;
    // A line or a box, as `info` allows; with `offered` values an editable
    // drop-down.
    DetailEntryView(QWidget* parent, const DetailText& info, Typed typed,
                    const std::vector<std::string>& offered = {});

    QWidget* widget() const;
    QLineEdit* line() const { return line_; }
    QPlainTextEdit* box() const { return box_; }
    QComboBox* combo() const { return combo_; }
    void Render(const DialogEntry& entry);
    void Focus();

  private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* box_ = nullptr;
    QComboBox* combo_ = nullptr;
};

// A push button with the model's caption that runs `clicked`.
QPushButton* DetailButton(QWidget* parent, const DialogButton& model,
                          std::function<void()> clicked);
void RenderDetailButton(QPushButton* button, const DialogButton& model);

}  // namespace veltra
