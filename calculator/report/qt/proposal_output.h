#pragma once
// The commercial proposal through Qt: PDF bytes for "Отчет в PDF…" and the
// command line, and the printer through the preview and the print dialog
// for "Печать…".

#include <optional>
#include <string>

#include "report/proposal_export.h"

class QWidget;

namespace veltra {

struct App;

// A ProposalRenderer: the document painted by a QPdfWriter into memory
// (fonts embedded, text searchable). Needs a QGuiApplication, which may run
// on the offscreen platform.
bool RenderProposalPdf(const ProposalDocument& document, RenderedProposal& out, std::string& error);

// "Отчет в PDF…": ExportProposal with the renderer above; the bytes written.
std::optional<std::string> ExportProposalPdf(App& app);

// "Печать…": the document in the print preview, whose print button opens
// the print dialog. A logo that cannot be read is said once, before. True
// when it was printed.
bool PrintProposal(App& app, QWidget* parent);

}  // namespace veltra
