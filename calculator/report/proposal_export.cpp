#include "proposal_export.h"

#include <string_view>

#include "proposal_document.h"
#include "quotation_export.h"
#include "state/app.h"

namespace veltra {

namespace {

constexpr size_t kMaxStemBytes = 150;

// Line breaks and tabs become spaces, runs of spaces one, and what no
// desktop's file names take becomes "_".
std::string FileNamePart(const std::string& text) {
    std::string part;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == ' ') {
            if (!part.empty() && part.back() != ' ') part += ' ';
        } else if (u == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            part += '_';
        } else {
            part += c;
        }
    }
    return part;
}

// Without leading and trailing spaces and dots: a leading dot hides a file,
// a trailing one some desktops drop.
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" .");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" .") - first + 1);
}

}  // namespace

std::string ProposalFileStem(const ProposalDetails& details) {
    std::string stem = Trimmed(FileNamePart(details.number));
    const std::string customer = Trimmed(FileNamePart(details.customerOrganisation));
    if (!customer.empty()) stem += (stem.empty() ? "" : " ") + customer;
    if (stem.size() > kMaxStemBytes) {
        size_t cut = kMaxStemBytes;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
        stem = Trimmed(stem.substr(0, cut));
    }
    return stem.empty() ? "Коммерческое предложение" : stem;
}

std::filesystem::path NewProposalPath(const std::filesystem::path& folder,
                                      const ProposalDetails& details) {
    return UnusedPath(folder, ProposalFileStem(details), ".pdf");
}

std::string UnreadableLogoMessage(const std::string& logoPath) {
    return "Не удалось прочитать логотип продавца:\n" + logoPath +
           "\n\nДокумент сделан без логотипа. Укажите файл PNG или JPEG в реквизитах продавца.";
}

bool ExportProposalTo(App& app, const std::filesystem::path& path, const ProposalRenderer& render,
                      Publish publish, std::string* written) {
    const ProposalDocument document = BuildProposalDocument(app);
    RenderedProposal rendered;
    std::string error = "документ PDF не удалось подготовить";
    const bool made = render && render(document, rendered, error);
    if (made && rendered.logoUnreadable)
        app.platform.ShowMessage(UnreadableLogoMessage(document.logoPath), kAppTitle,
                                 MessageIcon::Exclamation);
    if (made && WriteWholeFile(path, rendered.pdf, publish, error)) {
        if (written) *written = std::move(rendered.pdf);
        return true;
    }
    app.platform.ShowMessage("Не удалось записать коммерческое предложение в файл:\n" +
                                 path.string() + "\n\nПричина: " + error + ".",
                             kAppTitle, MessageIcon::Critical);
    return false;
}

std::optional<std::string> ExportProposal(App& app, const ProposalRenderer& render) {
    const std::filesystem::path path = NewProposalPath(ReportFolder(app), app.proposal);
    std::string written;
    if (!ExportProposalTo(app, path, render, Publish::KeepExisting, &written)) return std::nullopt;
    if (!app.platform.OpenFile(path.string())) {
        app.platform.ShowMessage(
            "Коммерческое предложение записано в файл:\n" + path.string() +
                "\n\nОткрыть его не удалось: не найдена программа для просмотра PDF.",
            kAppTitle, MessageIcon::Exclamation);
    }
    return written;
}

}  // namespace veltra
