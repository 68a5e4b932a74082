#pragma once
// Undo and redo of the user's steps. A step is one completed action that
// changed the calculation (a dialog's or keypad's "Ok", an option, "Новый
// расчет", ...); before it, everything the windows show and the file keeps is
// copied, and undoing puts that copy back by assignment: no handler runs,
// nothing is recalculated, no message is shown. Page changes and selections
// are no steps and are left as they are. The history lives as long as the
// program runs and is never saved; opening a file starts a new one.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/app.h"

namespace veltra {

struct UndoState {
    // The limits and the window's own values (title bar, calculator) are the
    // program's: left out.
    Configuration config;
    DerivedValues results;
    MainWindowModel main;  // the report text and the picture left out: below
    std::vector<std::pair<Count, Count>> quantities;  // calculated, added; catalogue order
    ProposalDetails proposal;

    // What the pages made of it when they were last shown.
    std::string reportText;
    CabinetPicture cabinet;
    AddedItemsList list;

    // The calculation's file, its revisions and a revision's prices on
    // screen: "Новый расчет" leaves them. The recent files stay the menu's.
    Document document;
    std::vector<Money> prices;  // catalogue order
};

UndoState CaptureUndoState(const App& app);
// Everything as captured; the calculation's file too when `withDocument`. A
// page on screen whose text, list or picture is made when it is chosen is
// made again from what was put back, as choosing it would.
void RestoreUndoState(App& app, const UndoState& state, bool withDocument);
// The calculation is the same: what the pages made of it and the file aside.
bool SameCalculation(const UndoState& a, const UndoState& b);

inline constexpr size_t kUndoSteps = 200;

class UndoHistory {
  public:
    // Before an action that may be a step; while one is pending, nested
    // actions (a keypad over a dialog) belong to it.
    void Begin(const App& app);
    bool Pending() const { return before_.has_value(); }
    // After it: a change since Begin is the step `name`. True when recorded.
    bool End(const App& app, std::string name);

    // False, changing nothing, at the end of the history.
    bool Undo(App& app);
    bool Redo(App& app);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    size_t UndoCount() const { return undo_.size(); }
    size_t RedoCount() const { return redo_.size(); }
    // "Отменить: Цифровые АЛ", or "Отменить" without a step; likewise "Повторить".
    std::string UndoCaption() const;
    std::string RedoCaption() const;

    // After every event: a file opened since starts a new history.
    void Follow(const App& app);
    void Clear();

  private:
    struct Step {
        std::string name;
        UndoState state;
        bool document = false;  // the step changed the calculation's file
    };
    bool Move(App& app, std::deque<Step>& from, std::deque<Step>& to);

    std::deque<Step> undo_, redo_;
    std::optional<UndoState> before_;
    int opened_ = 0;
};

}  // namespace veltra
