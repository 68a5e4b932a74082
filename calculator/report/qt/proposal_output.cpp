#include "proposal_output.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "proposal_painter.h"
#include "report/proposal_document.h"
#include "state/app.h"

namespace veltra {

bool RenderProposalPdf(const ProposalDocument& document, RenderedProposal& out,
                       std::string& error) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        error = "нет графической среды Qt для документа PDF";
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(document.title));
        writer.setCreator(kAppTitle);
        SetProposalPageLayout(writer);
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = "документ PDF не удалось начать";
            return false;
        }
        out.logoUnreadable = PaintProposal(painter, writer, document).logoUnreadable;
        if (!painter.end()) {
            error = "документ PDF не удалось закончить";
            return false;
        }
    }
    out.pdf = buffer.data().toStdString();
    return true;
}

std::optional<std::string> ExportProposalPdf(App& app) {
    return ExportProposal(app, RenderProposalPdf);
}

bool PrintProposal(App& app, QWidget* parent) {
    const ProposalDocument document = BuildProposalDocument(app);
    if (LogoUnreadable(document.logoPath)) {
        app.platform.ShowMessage(UnreadableLogoMessage(document.logoPath), kAppTitle,
                                 MessageIcon::Exclamation);
    }
    QPrinter printer(QPrinter::HighResolution);
    SetProposalPageLayout(printer);
    printer.setDocName(QString::fromStdString(ProposalFileStem(app.proposal)));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("ProposalPreview");
    preview.setWindowTitle("Печать: " + QString::fromStdString(document.title));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) {
                         QPainter painter(target);
                         PaintProposal(painter, *target, document);
                     });
    preview.resize(900, 1000);
    // The preview accepts once its print button has printed.
    return preview.exec() == QDialog::Accepted;
}

}  // namespace veltra
