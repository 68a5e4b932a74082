// The main window from the keyboard: Ctrl+Tab and Ctrl+PgDn to the next page
// (with Shift, and Ctrl+PgUp, back), F1 for the page's help, and Enter on the
// catalogue tree or the added-items list as a double click on the current
// row. Tab and the menus' access keys are the toolkit's own.
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QTabBar>
#include <QTreeView>
#include <QTreeWidget>

#include "main_form.h"
#include "mainwindow/catalogue_page.h"
#include "mainwindow/help_entries.h"
#include "mainwindow/main_form_pages.h"
#include "widgets/conversions.h"

namespace veltra {

void MainForm::BuildKeyboard() {
    const auto shortcut = [this](QKeySequence keys, auto action) {
        auto* s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, action);
    };
    const auto step = [this](bool forward) {
        Handle([&] { StepPage(app_, form_, forward); });
        // The page that held the focus is hidden now.
        tabStrip1_->setFocus(Qt::TabFocusReason);
    };
    for (QKeySequence keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        shortcut(keys, [step] { step(true); });
    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                              QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        shortcut(keys, [step] { step(false); });
    shortcut(QKeySequence::HelpContents, [this] { Handle([&] { ShowPageHelp(app_, form_); }); });

    // The arrow keys choose a node as a click does.
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!index.isValid() || !tree_->hasFocus() || QApplication::mouseButtons()) return;
                const std::string key = index.data(kTreeKeyRole).toString().toStdString();
                Handle([&] { TreeView1_NodeClick(app_, form_, key); });
            });
    tree_->installEventFilter(this);
    list_->installEventFilter(this);
}

bool MainForm::OnListKey(QObject* watched, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    // The keypad opens below the current row, as it does for a click on it.
    if (watched == tree_ && tree_->currentIndex().isValid()) {
        const QModelIndex index = tree_->currentIndex();
        const QRect row = tree_->visualRect(index);
        const int y = tree_->viewport()->mapTo(tree_, row.center()).y();
        const std::string key = index.data(kTreeKeyRole).toString().toStdString();
        Handle([&] {
            TreeView1_NodeClick(app_, form_, key);
            TreeView1_MouseDown(form_, PixelsToTwips(y));
        });
        OnTreeDoubleClick();
        return true;
    }
    if (watched == list_ && list_->currentItem()) {
        QTreeWidgetItem* item = list_->currentItem();
        const QRect row = list_->visualItemRect(item);
        const int y = list_->viewport()->mapTo(list_, row.center()).y();
        const std::string key = item->data(0, kTreeKeyRole).toString().toStdString();
        Handle([&] {
            ListView1_ItemClick(form_, key);
            ListView1_MouseDown(form_, PixelsToTwips(y));
        });
        OnListDoubleClick();
        return true;
    }
    return false;
}

}  // namespace veltra
