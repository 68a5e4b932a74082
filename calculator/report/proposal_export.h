#pragma once
// "Отчет в PDF…": the commercial proposal goes into a new PDF file in the
// user's documents folder, named after its number and customer, which the
// desktop's viewer is then asked to open. What paints the pages is handed
// in: the program's Qt renderer, or a test's.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "catalogue/staged_file.h"
#include "state/proposal.h"

namespace veltra {

struct App;
struct ProposalDocument;

struct RenderedProposal {
    std::string pdf;              // the file's bytes
    bool logoUnreadable = false;  // the seller's logo could not be read and was left out
};

// Paints the document as PDF; false with the reason (a few Russian words)
// when it cannot.
using ProposalRenderer =
    std::function<bool(const ProposalDocument&, RenderedProposal&, std::string& error)>;

// "КП-2026-0042 ООО Ромашка": the number and the customer's organisation,
// characters a file name cannot hold on the desktops a proposal is mailed to
// replaced by "_", at most about 150 bytes; "Коммерческое предложение" when
// both are empty.
std::string ProposalFileStem(const ProposalDetails& details);
// That name with ".pdf" in folder, numbered when taken.
std::filesystem::path NewProposalPath(const std::filesystem::path& folder,
                                      const ProposalDetails& details);

// Said once for a document made without the seller's logo.
std::string UnreadableLogoMessage(const std::string& logoPath);

// Builds the document, renders it and writes it as one staged file under
// path. False after telling the user. `written`, when given, takes the
// file's bytes.
bool ExportProposalTo(App& app, const std::filesystem::path& path, const ProposalRenderer& render,
                      Publish publish = Publish::Replace, std::string* written = nullptr);

// The command: a new file in the documents folder, then opened. The bytes
// written, none when nothing was.
std::optional<std::string> ExportProposal(App& app, const ProposalRenderer& render);

}  // namespace veltra
