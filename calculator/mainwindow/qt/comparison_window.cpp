#include "comparison_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

ComparisonWindow::ComparisonWindow(ComparisonWindowModel model, char decimalSeparator,
                                   QWidget* parent)
    : QDialog(parent), model_(std::move(model)), decimalSeparator_(decimalSeparator) {
    setObjectName("ComparisonWindow");
    setWindowTitle(QString::fromStdString(model_.title));
    auto* layout = new QVBoxLayout(this);
    underList_ = new QCheckBox("Обе стороны по ценам текущего прайс-листа");
    underList_->setObjectName("UnderList");
    layout->addWidget(underList_);
    text_ = new QPlainTextEdit;
    text_->setObjectName("ComparisonText");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* copy = buttons->addButton("&Копировать", QDialogButtonBox::ActionRole);
    copy->setObjectName("Copy");
    QPushButton* close = buttons->addButton("&Закрыть", QDialogButtonBox::RejectRole);
    close->setObjectName("Close");
    layout->addWidget(buttons);
    connect(underList_, &QCheckBox::toggled, this, [this](bool checked) {
        model_.underList = checked;
        Render();
    });
    connect(copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(QString::fromStdString(model_.Text(decimalSeparator_)));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(760, 480);
    Render();
}

void ComparisonWindow::Render() {
    text_->setPlainText(QString::fromStdString(model_.Text(decimalSeparator_)));
}

void ShowComparisonWindow(ComparisonWindowModel model, char decimalSeparator, QWidget* parent) {
    auto* window = new ComparisonWindow(std::move(model), decimalSeparator, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

}  // namespace veltra
