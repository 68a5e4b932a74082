// The menu "Файл", the window title and the recent files kept in the
// desktop's settings.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "comparison_window.h"
#include "dialogs/qt/proposal_dialog_view.h"
#include "dialogs/qt/seller_dialog_view.h"
#include "main_form.h"
#include "mainwindow/file_menu.h"
#include "mainwindow/revision_menu.h"
#include "mainwindow/step_names.h"
#include "report/qt/proposal_output.h"
#include "revisions_dialog.h"
#include "seller_settings_store.h"

namespace veltra {

namespace {

const char* const kRecentFilesKey = "recentFiles";

}  // namespace

void MainForm::BuildFileMenu() {
    fileMenu_ = menuBar()->addMenu("&Файл");
    fileMenu_->setObjectName("FileMenu");
    fileMenu_->setToolTipsVisible(true);
    const auto add = [this](const char* name, const char* caption, QKeySequence::StandardKey key,
                            auto handler) {
        QAction* action = fileMenu_->addAction(caption);
        action->setObjectName(name);
        action->setShortcuts(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("FileOpen", "&Открыть расчет…", QKeySequence::Open,
        [this] { Handle([&] { FileOpen_Click(app_, form_); }); });
    add("FileSave", "&Сохранить расчет", QKeySequence::Save,
        [this] { Handle([&] { FileSave_Click(app_); }); });
    QAction* saveAs = add("FileSaveAs", "Сохранить расчет &как…", QKeySequence::SaveAs,
                          [this] { Handle([&] { FileSaveAs_Click(app_); }); });
    // Desktops without a convention of their own for it get the common one.
    if (QKeySequence::keyBindings(QKeySequence::SaveAs).isEmpty())
        saveAs->setShortcut(QKeySequence("Ctrl+Shift+S"));
    add("FileRevisions", "Ред&акции…", QKeySequence::UnknownKey,
        [this] { Handle([&] { OnRevisions(); }); });
    add("FileCompare", "Сра&внить с…", QKeySequence::UnknownKey,
        [this] { Handle([&] { OnCompare(); }); });
    fileMenu_->addSeparator();
    add("FileProposal", "Коммерческое предло&жение…", QKeySequence::UnknownKey,
        [this] { Step(kProposalStep, [&] { OnProposalDialog(); }); });
    add("FileSeller", "&Реквизиты продавца…", QKeySequence::UnknownKey,
        [this] { Handle([&] { ShowSellerDialog(app_, this); }); });
    recentSeparator_ = fileMenu_->addSeparator();
    // Its own group above the recent files.
    fileMenu_->insertSeparator(recentSeparator_);
    fileMenu_->insertAction(recentSeparator_,
                            add("FilePrint", "&Печать…", QKeySequence::Print,
                                [this] { Handle([&] { PrintAndKeepRevision(); }); }));
    exitSeparator_ = fileMenu_->addSeparator();
    // Closing asks as the window's own close button does.
    add("FileExit", "В&ыход", QKeySequence::Quit, [this] { close(); });
}

void MainForm::RenderDocument() {
    setWindowTitle(QString::fromStdString(MainWindowTitle(app_)));
    const std::vector<std::string>& recent = app_.document.recentFiles;
    if (recent != shownRecent_) {
        // One of them may be the action whose signal is running now.
        for (QAction* action : recentActions_) {
            fileMenu_->removeAction(action);
            action->deleteLater();
        }
        recentActions_.clear();
        for (size_t i = 0; i < recent.size(); ++i) {
            QString caption = QString::fromStdString(RecentFileCaption(app_, i));
            auto* action = new QAction("&" + caption.replace("&", "&&"), fileMenu_);
            action->setObjectName(QString("FileRecent%1").arg(i));
            action->setToolTip(QString::fromStdString(recent[i]));
            connect(action, &QAction::triggered, this,
                    [this, i] { Handle([&] { FileRecent_Click(app_, form_, i); }); });
            fileMenu_->insertAction(exitSeparator_, action);
            recentActions_.push_back(action);
        }
        recentSeparator_->setVisible(!recent.empty());
        shownRecent_ = recent;
    }
    if (settings_ && recent != storedRecent_) {
        QStringList files;
        for (const std::string& file : recent) files << QString::fromStdString(file);
        settings_->setValue(kRecentFilesKey, files);
        settings_->sync();
        storedRecent_ = recent;
    }
}

void MainForm::KeepRecentFilesIn(QSettings& settings) {
    std::vector<std::string> stored;
    for (const QString& file : settings.value(kRecentFilesKey).toStringList())
        stored.push_back(file.toStdString());
    const std::vector<std::string> files = PlainRecentFiles(stored);
    app_.document.recentFiles = files;
    storedRecent_ = stored;  // what was dropped leaves the settings too
    settings_ = &settings;
    RenderDocument();
}

void MainForm::OnProposalDialog() {
    switch (ShowProposalDialog(app_, this)) {
        case ProposalDialogResult::Pdf:
            ExportPdfAndKeepRevision();
            break;
        case ProposalDialogResult::Print:
            PrintAndKeepRevision();
            break;
        case ProposalDialogResult::Cancelled:
        case ProposalDialogResult::Saved:
            break;
    }
}

void MainForm::ExportPdfAndKeepRevision() {
    if (const auto pdf = ExportProposalPdf(app_)) ProposalDocumentMade(app_, IssuedAs::Pdf, *pdf);
}

void MainForm::PrintAndKeepRevision() {
    if (PrintProposal(app_, this)) ProposalDocumentMade(app_, IssuedAs::Print, {});
}

void MainForm::OnRevisions() {
    if (!FileRevisions_Click(app_)) return;
    const RevisionChoice choice = ShowRevisionsDialog(RevisionRows(app_), this);
    if (choice.action == RevisionChoice::Action::Open) {
        OpenRevision_Click(app_, form_, choice.counter);
    } else if (choice.action == RevisionChoice::Action::Compare) {
        if (auto model = CompareWithRevision(app_, choice.counter))
            ShowComparisonWindow(std::move(*model), app_.decimalSeparator, this);
    }
}

void MainForm::OnCompare() {
    if (auto model = FileCompare_Click(app_))
        ShowComparisonWindow(std::move(*model), app_.decimalSeparator, this);
}

void MainForm::KeepSellerDetailsIn(QSettings& settings) {
    app_.seller = ReadSellerDetails(settings);
    storedSeller_ = app_.seller;
    sellerSettings_ = &settings;
}

void MainForm::StoreSeller() {
    // The dialog and a taken proposal number change it.
    if (!sellerSettings_ || app_.seller == storedSeller_) return;
    StoreSellerDetails(*sellerSettings_, app_.seller);
    storedSeller_ = app_.seller;
}

void MainForm::OpenCalculationFile(const std::string& path) {
    Handle([&] { OpenAndShow(app_, form_, path); });
}

}  // namespace veltra
