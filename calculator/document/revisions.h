#pragma once
// Issued revisions of a calculation's proposal: recorded when a document is
// made, listed, and opened again exactly as issued, as a read-only copy.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "saved_calculation.h"

namespace veltra {

// After a proposal document was made for a calculation with a file: a
// calculation priced as its last revision was keeps that revision; else the
// next one is recorded, and written into the file at once when nothing else
// there is unsaved (otherwise with the next save, the title showing "*").
// None for an untitled calculation or a revision's copy. `pdf` is the file
// written, empty for a print.
const IssuedRevision* IssueRevision(App& app, IssuedAs as, std::string_view pdf,
                                    const std::string& issued);

// "КП-2026-0042/2"; "редакция 2" without a proposal number.
std::string RevisionNumber(const ProposalDetails& details, int counter);

// The revision's calculation as it was issued (checked again against `app`).
SavedCalculation RevisionCalculation(const IssuedRevision& revision, const App& app);

const IssuedRevision* FindRevision(const App& app, int counter);

// The revision on screen at its own prices, whatever the price list says
// now, as a copy without a file: saving it asks for a name. Items the list
// lacks are left out and told. False after a message.
bool OpenRevision(App& app, int counter);

// After a revision's copy: the catalogue at the price list's prices again.
void RestoreListPrices(App& app);

// " — редакция 2 (только просмотр)" while a copy is on screen, else "".
std::string ViewedRevisionSuffix(const App& app);

// The list the dialog shows, one row a revision, oldest first.
struct RevisionRow {
    int counter = 0;
    std::string number, issued, as, total, priceList;
};
std::vector<RevisionRow> RevisionRows(const App& app);
// "08.12.2026 14:05" of "2026-12-08T14:05:09".
std::string IssuedText(const std::string& issued);

}  // namespace veltra
