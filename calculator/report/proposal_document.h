#pragma once
// The commercial proposal as a document: every text it shows, in reading
// order, built from the application the way the quotation sheet is. The Qt
// renderer only lays these out on A4 pages and paints them.

#include <optional>
#include <string>
#include <vector>

#include "state/cabinet_picture.h"

namespace veltra {

struct App;

struct DocumentRow {
    bool group = false;  // a group heading across the table: only name is set
    std::string number;  // "№ п/п"
    std::string name, code, quantity, unitPrice, sum;
};

struct DocumentTable {
    std::string caption;
    std::vector<DocumentRow> rows;
    std::string total;  // the sum of its lines, beside "Итого:"
};

// A line of the totals block: "Итого:" and its amount; the VAT line of a
// proposal without VAT has no amount.
struct DocumentAmountLine {
    std::string label, amount;
    friend bool operator==(const DocumentAmountLine&, const DocumentAmountLine&) = default;
};

struct ProposalDocument {
    std::vector<std::string> seller;  // the organisation first, then its details
    std::string logoPath;             // empty for none
    std::string title;  // "Коммерческое предложение № N от DD.MM.YYYY"
    std::vector<std::string> customer;
    std::vector<std::string> configuration;  // the reports page's text, line by line
    std::vector<std::string> columns;        // the six column headings
    std::vector<DocumentTable> tables;       // the bill of materials, then the hand-added items
    std::string discount;  // "Цены указаны с учетом скидки 7 %", or empty
    std::vector<DocumentAmountLine> totals;  // "Итого", the VAT line, "Всего"
    std::string words;                       // the final total in words
    std::string validity;  // "Предложение действительно до DD.MM.YYYY", or empty
    std::vector<std::string> terms;  // payment, delivery, warranty, note, rate
    std::string signerPosition, signerName;
    std::optional<CabinetPicture> cabinet;  // the cabinet picture as the last page
};

inline constexpr const char* kTableTotalLabel = "Итого:";
inline constexpr const char* kCabinetPageTitle = "Конфигурация";

ProposalDocument BuildProposalDocument(const App& app);

// What `print proposal` shows: the discount sentence when there is one, each
// totals line with its amount, the total in words and the validity line, as
// the document writes them.
std::vector<std::string> ProposalSummaryLines(const ProposalDocument& document);

}  // namespace veltra
