// Saves pictures of revisions and comparison in the real main window: the
// menu "Файл", the list of two issued revisions, the comparison window in
// both of its views and the read-only copy of revision 1. Run it under a
// display:
//   veltra_revision_screenshots OUTDIR
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>

#include "document/calculation_file.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/revision_menu.h"
#include "report/proposal_export.h"
#include "report/qt/proposal_output.h"
#include "rich_configuration.h"
#include "screenshot_support.h"

namespace {

using veltra::testing::Save;
using veltra::testing::Settle;

// What a user does in the modal dialog the next action opens.
void InModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(400, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget()) act(dialog);
    });
}

void IssuePdf(veltra::App& app, const QDir& dir, const QString& name) {
    std::string pdf;
    veltra::ExportProposalTo(app, dir.filePath(name).toStdString(), veltra::RenderProposalPdf,
                             veltra::Publish::Replace, &pdf);
    veltra::ProposalDocumentMade(app, veltra::IssuedAs::Pdf, pdf);
}

}  // namespace

int main(int argc, char** argv) {
    veltra::testing::ScreenshotSession session(argc, argv);
    const QDir& dir = session.dir;
    veltra::App& app = session.app;
    veltra::MainForm window(app);
    window.show();

    veltra::BuildRichConfiguration(app);
    app.proposal.number = "КП-2026-0042";
    app.proposal.date = {2026, 12, 10};
    app.proposal.customerOrganisation = "АО «Ромашка»";
    veltra::SaveCalculation(app, dir.filePath("kp.veltra").toStdString());
    window.Render();
    IssuePdf(app, dir, "kp-1.pdf");
    // The customer wants more telephones and a discount: revision 2.
    window.findChild<QLineEdit*>("BasicText")->setText("15");
    app.state.config.QuotationDiscountPercent = 5;
    IssuePdf(app, dir, "kp-2.pdf");
    veltra::SaveCalculation(app, dir.filePath("kp.veltra").toStdString());
    window.Render();

    auto* menu = window.findChild<QMenu*>("FileMenu");
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    Save(menu, dir, "file-menu");
    menu->hide();

    // The list, then "Сравнить с расчетом на экране" on revision 1.
    InModal([&dir](QWidget* dialog) {
        Save(dialog, dir, "revisions-list");
        dialog->findChild<QTableWidget*>("Revisions")->selectRow(0);
        dialog->findChild<QAbstractButton*>("CompareRevision")->click();
    });
    window.findChild<QAction*>("FileRevisions")->trigger();
    Settle(300);
    if (auto* comparison = window.findChild<QWidget*>("ComparisonWindow")) {
        Save(comparison, dir, "comparison");
        comparison->findChild<QCheckBox*>("UnderList")->click();
        Save(comparison, dir, "comparison-price-list");
        comparison->close();
    }

    // Revision 1 opened for viewing.
    InModal([](QWidget* dialog) {
        dialog->findChild<QTableWidget*>("Revisions")->selectRow(0);
        dialog->findChild<QAbstractButton*>("OpenRevision")->click();
    });
    window.findChild<QAction*>("FileRevisions")->trigger();
    Settle(300);
    Save(&window, dir, "revision-1-view");
    QFile title(dir.filePath("revision-1-view-title.txt"));
    if (title.open(QIODevice::WriteOnly)) title.write(window.windowTitle().toUtf8() + "\n");
    return 0;
}
