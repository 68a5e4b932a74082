#include "revisions.h"

#include "calculation_file.h"
#include "catalogue/sha256.h"
#include "handling/recalculate.h"
#include "report/proposal_amounts.h"
#include "saved_items.h"

namespace veltra {

namespace {

// The calculation as the last revision priced it, compared as the check
// for unsaved changes compares.
bool PricedAsIssued(const App& app, const IssuedRevision& last) {
    try {
        const SavedCalculation issued = RevisionCalculation(last, app);
        return issued.priceList == app.priceList &&
               CalculationText(issued, false) == CurrentContent(app);
    } catch (const CalculationFileError&) {
        return false;  // a revision this run cannot read is no match
    }
}

std::string CurrencySign(ProposalCurrency currency) {
    return currency == ProposalCurrency::RUB ? "руб." : "$";
}

}  // namespace

std::string RevisionNumber(const ProposalDetails& details, int counter) {
    if (details.number.empty()) return "редакция " + std::to_string(counter);
    return details.number + "/" + std::to_string(counter);
}

const IssuedRevision* IssueRevision(App& app, IssuedAs as, std::string_view pdf,
                                    const std::string& issued) {
    Document& document = app.document;
    if (document.file.empty() || document.viewedRevision != 0) return nullptr;
    if (!document.revisions.empty() && PricedAsIssued(app, document.revisions.back()))
        return &document.revisions.back();
    if (document.revisions.size() >= size_t(kMaxRevisions)) {
        app.platform.ShowMessage("В расчете уже " + std::to_string(kMaxRevisions) +
                                     " редакций; новая не записана. Сохраните расчет под "
                                     "другим именем, чтобы начать счет редакций заново.",
                                 kAppTitle, MessageIcon::Exclamation);
        return nullptr;
    }
    const bool otherChanges = HasUnsavedChanges(app);
    const ProposalAmounts amounts = ComputeProposalAmounts(app);
    const ProposalDetails& p = app.proposal;
    IssuedRevision r;
    r.counter = document.revisions.empty() ? 1 : document.revisions.back().counter + 1;
    r.number = RevisionNumber(p, r.counter);
    r.issued = issued;
    r.as = as;
    r.currency = p.currency;
    r.rate = p.rate;
    r.rateMarkupPercent = p.rateMarkupPercent;
    r.vatMode = p.vatMode;
    r.vatRate = p.vatRate;
    r.total = amounts.total;
    r.vat = amounts.vat;
    r.grandTotal = amounts.grandTotal;
    r.priceList = app.priceList;
    if (as == IssuedAs::Pdf) r.documentSha256 = Sha256Hex(pdf);
    r.calculation = FrozenCalculationText(TakeSnapshot(app, issued));
    document.revisions.push_back(std::move(r));
    // Only the revision is new: the file takes it now.
    if (!otherChanges) SaveCalculation(app, document.file);
    return &document.revisions.back();
}

SavedCalculation RevisionCalculation(const IssuedRevision& revision, const App& app) {
    return ReadCalculation(revision.calculation, app);
}

const IssuedRevision* FindRevision(const App& app, int counter) {
    for (const IssuedRevision& r : app.document.revisions)
        if (r.counter == counter) return &r;
    return nullptr;
}

bool OpenRevision(App& app, int counter) {
    const IssuedRevision* revision = FindRevision(app, counter);
    if (!revision) return false;
    SavedCalculation saved;
    try {
        saved = RevisionCalculation(*revision, app);
    } catch (const CalculationFileError& fault) {
        app.platform.ShowMessage(
            "Не удалось открыть редакцию " + revision->number + ": " + fault.what() + ".",
            kAppTitle, MessageIcon::Critical);
        return false;
    }
    const std::filesystem::path from =
        app.document.viewedRevision ? app.document.viewedFrom : app.document.file;
    const std::vector<IssuedRevision> revisions = app.document.revisions;
    RestoreListPrices(app);
    OpenOutcome outcome;
    try {
        outcome = ApplyCalculation(app, saved);
        // Its own prices: the document it was said in.
        const std::vector<int> entries = MatchSavedItems(app.catalogue, saved.items);
        for (size_t i = 0; i < saved.items.size(); ++i) {
            if (entries[i] < 0) continue;
            CatalogueItem& entry = app.catalogue[size_t(entries[i])];
            if (entry.ItemPrice == saved.items[i].price) continue;
            app.document.listPrices.emplace_back(entries[i], entry.ItemPrice);
            entry.ItemPrice = saved.items[i].price;
        }
        RecalculateAll(app);
    } catch (const CalculationFileError& fault) {
        RestoreListPrices(app);
        app.platform.ShowMessage(
            "Не удалось открыть редакцию " + revision->number + ": " + fault.what() + ".",
            kAppTitle, MessageIcon::Critical);
        return false;
    } catch (const OverflowError&) {
        RestoreListPrices(app);
        RecalculateAll(app);
        app.platform.ShowMessage("Не удалось открыть редакцию: суммы не помещаются в денежный тип.",
                                 kAppTitle, MessageIcon::Critical);
        return false;
    }
    Document& document = app.document;
    document.file.clear();
    document.savedContent.clear();
    document.savedDate.clear();
    document.revisions = revisions;
    document.savedRevisions = revisions.size();
    document.viewedRevision = counter;
    document.viewedFrom = from;
    ++document.opened;  // a copy of its own: a new undo history
    if (!outcome.missing.empty())
        app.platform.ShowMessage(MissingItemsMessage(outcome.missing), kAppTitle,
                                 MessageIcon::Exclamation);
    return true;
}

void RestoreListPrices(App& app) {
    for (const auto& [entry, price] : app.document.listPrices)
        if (size_t(entry) < app.catalogue.size()) app.catalogue[size_t(entry)].ItemPrice = price;
    app.document.listPrices.clear();
}

std::string ViewedRevisionSuffix(const App& app) {
    if (app.document.viewedRevision == 0) return "";
    return " — редакция " + std::to_string(app.document.viewedRevision) + " (только просмотр)";
}

std::string IssuedText(const std::string& issued) {
    if (issued.size() < 16) return issued;
    return issued.substr(8, 2) + "." + issued.substr(5, 2) + "." + issued.substr(0, 4) + " " +
           issued.substr(11, 5);
}

std::vector<RevisionRow> RevisionRows(const App& app) {
    std::vector<RevisionRow> rows;
    for (const IssuedRevision& r : app.document.revisions) {
        rows.push_back(
            {r.counter, r.number, IssuedText(r.issued), r.as == IssuedAs::Print ? "печать" : "PDF",
             AmountText(r.grandTotal) + " " + CurrencySign(r.currency), r.priceList.name});
    }
    return rows;
}

}  // namespace veltra
