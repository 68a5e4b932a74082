#include "detail_entry_view.h"

#include <QFontMetrics>
#include <QPushButton>

namespace veltra {

DetailEntryView::DetailEntryView(QWidget* parent, const DetailText& info, Typed typed,
                                 const std::vector<std::string>& offered) {
    const int maxChars = int(info.maxChars);
    if (info.lines) {
        box_ = new QPlainTextEdit(parent);
        box_->setTabChangesFocus(true);
        box_->setFixedHeight(box_->fontMetrics().lineSpacing() * 3 + 12);
        QPlainTextEdit* box = box_;
        QObject::connect(box_, &QPlainTextEdit::textChanged, box_,
                         [box, typed] { typed(box->toPlainText().toStdString()); });
    } else if (!offered.empty()) {
        combo_ = new QComboBox(parent);
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        for (const std::string& value : offered) combo_->addItem(QString::fromStdString(value));
        combo_->lineEdit()->setMaxLength(maxChars);
        // A chosen entry reaches the model as the edit text it puts there.
        QObject::connect(combo_, &QComboBox::currentTextChanged, combo_,
                         [typed](const QString& text) { typed(text.toStdString()); });
    } else {
        line_ = new QLineEdit(parent);
        // The model says when a text is too long; far longer is a slip.
        line_->setMaxLength(maxChars * 2);
        QObject::connect(line_, &QLineEdit::textEdited, line_,
                         [typed](const QString& text) { typed(text.toStdString()); });
    }
    widget()->setObjectName(info.name);
    if (line_ && maxChars <= 20) {
        const QFontMetrics metrics = line_->fontMetrics();
        line_->setMaximumWidth(metrics.horizontalAdvance(QString(std::min(maxChars, 14), '0')) +
                               24);
    }
}

QWidget* DetailEntryView::widget() const {
    if (box_) return box_;
    if (combo_) return combo_;
    return line_;
}

void DetailEntryView::Render(const DialogEntry& entry) {
    const QString text = QString::fromStdString(entry.text);
    if (box_ && box_->toPlainText() != text) {
        const QSignalBlocker quiet(box_);
        box_->setPlainText(text);
    }
    if (combo_ && combo_->currentText() != text) {
        const QSignalBlocker quiet(combo_);
        combo_->setEditText(text);
    }
    if (line_ && line_->text() != text) {
        line_->setText(text);
        // A long text shows its start, as a box just opened does.
        if (!line_->hasFocus()) line_->setCursorPosition(0);
    }
    widget()->setEnabled(entry.enabled);
}

void DetailEntryView::Focus() {
    widget()->setFocus(Qt::OtherFocusReason);
    if (line_) line_->selectAll();
    if (combo_) combo_->lineEdit()->selectAll();
}

QPushButton* DetailButton(QWidget* parent, const DialogButton& model,
                          std::function<void()> clicked) {
    auto* button = new QPushButton(QString::fromStdString(model.caption), parent);
    QObject::connect(button, &QPushButton::clicked, button, [clicked] { clicked(); });
    return button;
}

void RenderDetailButton(QPushButton* button, const DialogButton& model) {
    button->setText(QString::fromStdString(model.caption));
    button->setEnabled(model.enabled);
}

}  // namespace veltra
