// The menu "Правка": undo and redo of the user's steps, each entry naming
// the step it takes back or again.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "main_form.h"
#include "mainwindow/file_menu.h"
#include "mainwindow/step_names.h"

namespace veltra {

namespace {

QString MenuCaption(const std::string& caption) {
    // An item's name may hold "&", which the menu would take for an access key.
    return "&" + QString::fromStdString(caption).replace("&", "&&");
}

}  // namespace

void MainForm::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Правка");
    edit->setObjectName("EditMenu");
    undoAction_ = edit->addAction("");
    undoAction_->setObjectName("EditUndo");
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undoAction_, &QAction::triggered, this,
            [this] { Handle([&] { history_.Undo(app_); }); });
    redoAction_ = edit->addAction("");
    redoAction_->setObjectName("EditRedo");
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redoAction_, &QAction::triggered, this,
            [this] { Handle([&] { history_.Redo(app_); }); });
}

void MainForm::RenderEditMenu() {
    history_.Follow(app_);
    undoAction_->setText(MenuCaption(history_.UndoCaption()));
    undoAction_->setEnabled(history_.CanUndo());
    redoAction_->setText(MenuCaption(history_.RedoCaption()));
    redoAction_->setEnabled(history_.CanRedo());
}

void MainForm::OnNewCalculation() {
    bool mayGo = false;
    // Saving at the question is no step: the step begins after it.
    Handle([&] { mayGo = MayLeaveCalculation(app_); });
    if (mayGo) Step(kNewCalculationStep, [&] { StartNewCalculation(app_, form_); });
}

}  // namespace veltra
