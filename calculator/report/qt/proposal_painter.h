#pragma once
// The commercial proposal painted on A4 portrait pages of a PDF writer or a
// printer: the seller's block with the logo, the title, the customer, the
// configuration, the tables (their header row repeated on every page they
// continue on, no row split), the totals and the terms, the signature, the
// cabinet picture as a last page when asked, and "Страница N из M" at the
// foot of each page.

#include <string>

class QPagedPaintDevice;
class QPainter;

namespace veltra {

struct ProposalDocument;

// A4 portrait with the document's margins.
void SetProposalPageLayout(QPagedPaintDevice& device);

struct PaintedProposal {
    int pages = 0;
    bool logoUnreadable = false;  // the document was painted without it
};

// Whether the seller's logo is named but cannot be read as a picture.
bool LogoUnreadable(const std::string& logoPath);

// Lays the document out on the device's page as it is set up and paints it;
// painter is open on device, and new pages come from device.newPage().
PaintedProposal PaintProposal(QPainter& painter, QPagedPaintDevice& device,
                              const ProposalDocument& document);

}  // namespace veltra
