#include "revisions_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

RevisionChoice ShowRevisionsDialog(const std::vector<RevisionRow>& rows, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("RevisionsDialog");
    dialog.setWindowTitle("Редакции коммерческого предложения");
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(int(rows.size()), 5);
    table->setObjectName("Revisions");
    table->setHorizontalHeaderLabels({"Редакция", "Выпущена", "Как", "Всего", "Прайс-лист"});
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < int(rows.size()); ++i) {
        const RevisionRow& row = rows[size_t(i)];
        int column = 0;
        for (const std::string* text :
             {&row.number, &row.issued, &row.as, &row.total, &row.priceList})
            table->setItem(i, column++, new QTableWidgetItem(QString::fromStdString(*text)));
        table->item(i, 3)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    if (!rows.empty()) table->selectRow(int(rows.size()) - 1);  // the latest
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox;
    QPushButton* open = buttons->addButton("&Открыть для просмотра", QDialogButtonBox::ActionRole);
    open->setObjectName("OpenRevision");
    QPushButton* compare =
        buttons->addButton("&Сравнить с расчетом на экране", QDialogButtonBox::ActionRole);
    compare->setObjectName("CompareRevision");
    buttons->addButton("&Закрыть", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    RevisionChoice choice;
    const auto choose = [&](RevisionChoice::Action action) {
        const int row = table->currentRow();
        if (row < 0 || row >= int(rows.size())) return;
        choice = {action, rows[size_t(row)].counter};
        dialog.accept();
    };
    QObject::connect(open, &QPushButton::clicked, &dialog,
                     [&] { choose(RevisionChoice::Action::Open); });
    QObject::connect(compare, &QPushButton::clicked, &dialog,
                     [&] { choose(RevisionChoice::Action::Compare); });
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog,
                     [&] { choose(RevisionChoice::Action::Open); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.resize(680, 320);
    dialog.exec();
    return choice;
}

}  // namespace veltra
