#include "undo_history.h"

#include "report/configuration_text.h"
#include "report/show_cabinet.h"

namespace veltra {

namespace {

constexpr int kCatalogueTab = 6;

// The pages made when chosen are made again while on screen; a total that
// overflowed when the page was chosen keeps what was put back.
void RemakeShownPages(App& app) {
    const MainFormModel& form = app.form;
    try {
        if (form.TabStrip1 == kCatalogueTab && form.TabStrip2 == 2)
            app.form.ListView1 = RefreshAddedItemsList(app);
        if (form.TabStrip1 == kTabCount && form.TabStrip3 == 1) ShowCabinet(app);
        if (form.TabStrip1 == kTabCount && form.TabStrip3 == 2) ShowConfiguration(app);
    } catch (const OverflowError&) {
    }
}

// A step that left the file alone does not keep it.
UndoState WithoutDocument(UndoState state, bool document) {
    if (!document) state.document = {};
    return state;
}

bool SameDocument(const Document& a, const Document& b) {
    return a.file == b.file && a.savedContent == b.savedContent && a.savedDate == b.savedDate &&
           a.revisions.size() == b.revisions.size() && a.savedRevisions == b.savedRevisions &&
           a.viewedRevision == b.viewedRevision && a.viewedFrom == b.viewedFrom;
}

}  // namespace

UndoState CaptureUndoState(const App& app) {
    UndoState s;
    s.config = app.state.config;
    s.results = app.state.results;
    s.main = app.main;
    s.reportText = std::move(s.main.ReportTxtLabel);
    s.main.ReportTxtLabel.clear();
    s.cabinet = s.main.cabinet;
    s.main.cabinet = {};
    s.quantities.reserve(app.catalogue.size());
    s.prices.reserve(app.catalogue.size());
    for (const CatalogueItem& item : app.catalogue) {
        s.quantities.emplace_back(item.ItemCalcQty, item.ItemAddQty);
        s.prices.push_back(item.ItemPrice);
    }
    s.proposal = app.proposal;
    s.list = app.form.ListView1;
    s.document = app.document;
    s.document.recentFiles.clear();
    return s;
}

void RestoreUndoState(App& app, const UndoState& s, bool withDocument) {
    app.state.config = s.config;
    app.state.results = s.results;
    app.main = s.main;
    app.main.ReportTxtLabel = s.reportText;
    app.main.cabinet = s.cabinet;
    // The price list is read once per run: the catalogue keeps its entries.
    for (size_t i = 0; i < app.catalogue.size() && i < s.quantities.size(); ++i) {
        app.catalogue[i].ItemCalcQty = s.quantities[i].first;
        app.catalogue[i].ItemAddQty = s.quantities[i].second;
    }
    app.proposal = s.proposal;
    app.form.ListView1 = s.list;
    if (withDocument) {
        Document document = s.document;
        document.recentFiles = std::move(app.document.recentFiles);
        document.opened = app.document.opened;
        app.document = std::move(document);
        for (size_t i = 0; i < app.catalogue.size() && i < s.prices.size(); ++i)
            app.catalogue[i].ItemPrice = s.prices[i];
    }
    RemakeShownPages(app);
}

bool SameCalculation(const UndoState& a, const UndoState& b) {
    return a.config == b.config && a.results == b.results && a.main == b.main &&
           a.quantities == b.quantities && a.proposal == b.proposal;
}

void UndoHistory::Begin(const App& app) {
    Follow(app);
    if (!before_) before_ = CaptureUndoState(app);
}

bool UndoHistory::End(const App& app, std::string name) {
    if (!before_) return false;
    UndoState before = std::move(*before_);
    before_.reset();
    if (app.document.opened != opened_) {
        Follow(app);
        return false;
    }
    const UndoState after = CaptureUndoState(app);
    if (SameCalculation(before, after)) return false;
    const bool document = !SameDocument(before.document, after.document);
    undo_.push_back({std::move(name), WithoutDocument(std::move(before), document), document});
    if (undo_.size() > kUndoSteps) undo_.pop_front();
    redo_.clear();
    return true;
}

bool UndoHistory::Move(App& app, std::deque<Step>& from, std::deque<Step>& to) {
    Follow(app);
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    // What is on screen now goes the other way, exactly as it is.
    to.push_back({step.name, WithoutDocument(CaptureUndoState(app), step.document), step.document});
    RestoreUndoState(app, step.state, step.document);
    return true;
}

bool UndoHistory::Undo(App& app) {
    return Move(app, undo_, redo_);
}

bool UndoHistory::Redo(App& app) {
    return Move(app, redo_, undo_);
}

std::string UndoHistory::UndoCaption() const {
    return undo_.empty() ? "Отменить" : "Отменить: " + undo_.back().name;
}

std::string UndoHistory::RedoCaption() const {
    return redo_.empty() ? "Повторить" : "Повторить: " + redo_.back().name;
}

void UndoHistory::Follow(const App& app) {
    if (app.document.opened == opened_) return;
    opened_ = app.document.opened;
    Clear();
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    before_.reset();
}

}  // namespace veltra
