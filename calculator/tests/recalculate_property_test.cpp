// For many random valid configurations the calculation is a function of the
// configuration: a second run changes nothing, and after any sequence of user
// actions the calculated quantities are the ones the inputs give on a fresh
// catalogue (what opening a saved calculation makes of it).
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "calculation/chosen_items.h"
#include "catalogue/capacity.h"
#include "catalogue/number_text.h"
#include "dialogs/base_station.h"
#include "dialogs/e1_trunk.h"
#include "dialogs/fecu_form.h"
#include "dialogs/ipu_form.h"
#include "dialogs/mobile.h"
#include "dialogs/variant_dialog.h"
#include "document/calculation_file.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "keypads/add_qty.h"
#include "keypads/input_calc.h"
#include "mainwindow/catalogue_page.h"
#include "mainwindow/field_buttons.h"
#include "mainwindow/new_calculation.h"
#include "mainwindow/undo_history.h"
#include "test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

struct Snapshot {
    std::vector<int> calc, added;
    std::vector<std::string> fields;
    std::string panels;
    std::vector<int> state;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const App& app) {
    Snapshot s;
    for (const auto& item : app.catalogue) {
        s.calc.push_back(item.ItemCalcQty);
        s.added.push_back(item.ItemAddQty);
    }
    for (const auto& f : app.main.fields) {
        s.fields.push_back(f.text + (f.background == Background::Window ? "|w" : "|f"));
    }
    const auto& st = app.main.status;
    s.panels = st.costLine + st.powerLine + st.lineSummary + (st.overloadVisible ? "!" : "");
    const ConfigState& c = app.state;
    s.state = {c.results.CabinetCount,    c.results.PowerConsumption, c.results.PowerUnitCount,
               c.results.PowerTypeForced, c.config.PowerWarningShown, c.results.FecuRequiredLevel};
    return s;
}

// What the main window shows beyond Take: the option groups, check boxes,
// drop-downs and frames, and the whole configuration state.
struct Visible {
    Snapshot shown;
    std::string controls;
    ConfigState state;
    bool operator==(const Visible&) const = default;
};

Visible See(const App& app) {
    const MainWindowModel& w = app.main;
    std::string controls;
    for (const OptionGroup* group :
         {&w.PowerStandard, &w.PowerAcc, &w.Arrestor, &w.MDFBox, &w.MDFOpenCable}) {
        for (const OptionButton& b : group->buttons) controls += b.selected ? "1" : "0";
        for (const OptionButton& b : group->buttons) controls += b.enabled ? "e" : "d";
    }
    for (const CheckBox* box : {&w.MFUCheck, &w.OnlyStationMDFCheck})
        controls += std::to_string(box->checked) + std::to_string(box->enabled);
    for (const ComboBox* combo : {&w.Combo1, &w.MFU_Flash}) {
        controls += std::to_string(combo->index) + std::to_string(combo->visible) +
                    (combo->background == Background::Window ? "w" : "f");
    }
    controls += std::to_string(w.PowerAccFrameEnabled) + std::to_string(w.ArrestorsFrameEnabled);
    return {Take(app), controls, app.state};
}

// What an undo or redo must give back: everything visible, the whole main
// window record and what the file would keep.
struct Undoable {
    Visible visible;
    MainWindowModel main;
    std::string content;
    bool operator==(const Undoable&) const = default;
};

Undoable Undoables(const App& app) {
    return {See(app), app.main, CurrentContent(app)};
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The calculated quantities on screen are those the inputs give.
::testing::AssertionResult FollowTheInputs(const App& app) {
    const std::vector<Count> derived =
        DerivedQuantities(app.catalogue, app.state, CalculationInputsOf(app));
    for (size_t i = 0; i < derived.size(); ++i) {
        if (derived[i] != app.catalogue[i].ItemCalcQty) {
            return ::testing::AssertionFailure()
                   << app.catalogue[i].ItemCode << " on screen "
                   << int(app.catalogue[i].ItemCalcQty) << ", from the inputs " << int(derived[i]);
        }
    }
    return ::testing::AssertionSuccess();
}

// Saving, "Новый расчет" and opening the file again change nothing visible
// and tell nothing. Opened under the other decimal separator, the file shows
// the same counts, and saved there it gives the same bytes.
void ExpectRoundTripChangesNothing(TestApp& t, const std::string& where) {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("veltra-property-" + std::to_string(getpid()) + ".veltra");
    App& app = t.app;
    const Visible before = See(app);
    const size_t messages = t.platform.messages.size();
    const int powerMessages = t.platform.powerMessages;
    ASSERT_TRUE(SaveCalculation(app, file)) << where;

    // One program with the other separator takes every file in turn.
    static TestApp withPoint('.'), withComma(',');
    TestApp& other = app.decimalSeparator == ',' ? withPoint : withComma;
    other.platform.messages.clear();
    ASSERT_TRUE(OpenCalculation(other.app, file))
        << where << ": " << other.platform.messages[0].text;
    EXPECT_TRUE(Take(other.app).calc == before.shown.calc) << where;
    for (const FieldInfo& info : kFields) {
        EXPECT_EQ(FieldTextForFile(other.Text(info.id), other.app.decimalSeparator),
                  FieldTextForFile(t.Text(info.id), app.decimalSeparator))
            << where;
    }
    EXPECT_TRUE(other.platform.messages.empty()) << where;
    // What saving there writes.
    EXPECT_EQ(CalculationText(TakeSnapshot(other.app, other.app.document.savedDate)),
              FileText(file))
        << where;

    NewCalculation(app);
    const bool opened = OpenCalculation(app, file);
    std::filesystem::remove(file);
    ASSERT_TRUE(opened) << where << ": " << t.platform.messages.back().text;
    EXPECT_TRUE(See(app) == before) << where;
    EXPECT_EQ(t.platform.messages.size(), messages) << where;
    EXPECT_EQ(t.platform.powerMessages, powerMessages) << where;
    EXPECT_FALSE(HasUnsavedChanges(app)) << where;
}

int Pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

TEST(RecalculateAll, IsIdempotentOnRandomValidConfigurations) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 150; ++round) {
        TestApp t;
        App& app = t.app;
        ConfigState& s = app.state;
        // Add boards at random while every limit still holds.
        for (int step = 0; step < 40; ++step) {
            ConfigState before = s;
            switch (Pick(rng, 0, 11)) {
                case 0:
                    s.config.AnalogExt8Boards += 1;
                    break;
                case 1:
                    s.config.AnalogExt16Boards += 1;
                    break;
                case 2:
                    s.config.DigitalExt8Boards += 1;
                    break;
                case 3:
                    s.config.DigitalExt16Boards += 1;
                    break;
                case 4:
                    s.config.DigitalExt32Boards += 1;
                    break;
                case 5:
                    s.config.AnalogTrunkBoards += 1;
                    break;
                case 6:
                    s.config.E1Boards += 1;
                    s.config.E1PriLinks += Pick(rng, 0, 1);
                    break;
                case 7:
                    s.config.Bri8Boards += 1;
                    break;
                case 8:
                    s.config.Bri16Boards += 1;
                    break;
                case 9:
                    s.config.BaseStationCount += Pick(rng, 1, 8);
                    s.config.IccuBoards = 1;
                    break;
                case 10:
                    s.config.Ipu8Present = s.config.Ipu4Present == 0 ? 1 : 0;
                    break;
                case 11:
                    s.config.HandsetCount += Pick(rng, 1, 10);
                    break;
            }
            if (CountBoards(app) > s.limits.MaxBoards || CountAllLines(app) > s.limits.MaxLines ||
                CountTrunkLines(app) > s.limits.MaxTrunkLines) {
                s = before;
            }
        }
        s.config.FecuChosenLevel = Pick(rng, 0, 10);
        if (Pick(rng, 0, 1)) SetMFUCheck(app, true);
        SelectCombo1(app, Pick(rng, 0, 3));
        SelectOption(app, OptionGroupId::PowerStandard, Pick(rng, 0, 2));
        if (app.main.PowerAccFrameEnabled)
            SelectOption(app, OptionGroupId::PowerAcc, Pick(rng, 0, 1));
        SelectOption(app, OptionGroupId::MDFBox, Pick(rng, 0, 2));
        SelectOption(app, OptionGroupId::MDFOpenCable, Pick(rng, 0, 1));
        if (app.main.ArrestorsFrameEnabled)
            SelectOption(app, OptionGroupId::Arrestor, Pick(rng, 1, 2));
        for (FieldId id : {FieldId::EconomyText, FieldId::OperatorText, FieldId::Dss2Text}) {
            SetFieldText(app, id, std::to_string(Pick(rng, 0, 300)));
        }
        if (app.main.Combo1.index == 0)
            SetFieldText(app, FieldId::BasicText, std::to_string(Pick(rng, 0, 300)));

        RecalculateAll(app);
        const Snapshot first = Take(app);
        const int messages = int(t.platform.messages.size());
        RecalculateAll(app);
        EXPECT_TRUE(first == Take(app)) << "round " << round;
        EXPECT_EQ(int(t.platform.messages.size()), messages) << "round " << round;
    }
}

// One user action through a dialog, with random choices among what it offers.
void RandomDialogAction(App& app, std::mt19937& rng) {
    switch (Pick(rng, 0, 5)) {
        case 0: {
            BaseStationDialog d = OpenBaseStation(app);
            if (d.Slider1.enabled) Slider1_Change(app, d, Pick(rng, d.Slider1.min, d.Slider1.max));
            if (Pick(rng, 0, 3)) Command2_Click(app, d);
            break;
        }
        case 1: {
            if (!DialogButton_Click(app, app.form, *FindButton("Command17"), {}, 0)) break;
            MobileDialog d = OpenMobile(app);
            const std::string typed[] = {std::to_string(Pick(rng, 0, 250)), "abc", "8,5", "-3",
                                         std::to_string(Pick(rng, 0, 30))};
            dt288_Type(app, d, typed[Pick(rng, 0, 4)]);
            dt288_Validate(app, d);
            if (Pick(rng, 0, 3) == 0) FecuMobile_Click(app, d, Pick(rng, 0, kFecuModules - 1));
            Command1_Click(app, d);
            break;
        }
        case 2: {
            FecuFormDialog d = OpenFecuForm(app);
            Option1_Click(d, Pick(rng, 0, kFecuLevels));
            Command1_Click(app, d);
            break;
        }
        case 3: {
            IpuFormDialog d = OpenIpuForm(app);
            const int choice = Pick(rng, 0, 2);
            if (d.IPUInterface[size_t(choice)].enabled) IPUInterface_Click(d, choice);
            Command1_Click(app, d);
            break;
        }
        case 4: {
            const VariantDialogKind kinds[] = {VariantDialogKind::DigExt, VariantDialogKind::AnExt,
                                               VariantDialogKind::AnTr,
                                               VariantDialogKind::BriTrunk};
            VariantDialog d = OpenVariantDialog(app, kinds[Pick(rng, 0, 3)]);
            std::vector<int> shown;
            for (int i = 0; i < kVariantCount; ++i)
                if (d.Command1[size_t(i)].visible) shown.push_back(i);
            if (!shown.empty())
                Command1_Click(app, d, shown[size_t(Pick(rng, 0, int(shown.size()) - 1))]);
            break;
        }
        case 5: {
            E1TrunkDialog d = OpenE1Trunk(app);
            const int boards = Pick(rng, 0, kMaxE1Boards);
            if (d.E1[size_t(boards)].enabled) E1_Click(app, d, boards);
            // A board's firmware may be left unchosen.
            for (int k = 1; k <= boards; ++k) {
                if (Pick(rng, 0, 5)) FindCasIsdn(d, k, Pick(rng, 0, 1));
            }
            Command1_Click(app, d);
            break;
        }
    }
}

// One input of the main window, or "Новый расчет".
void RandomInput(App& app, std::mt19937& rng) {
    MainWindowModel& w = app.main;
    switch (Pick(rng, 0, 5)) {
        case 0: {
            static constexpr FieldId kPhones[] = {FieldId::BasicText,    FieldId::EconomyText,
                                                  FieldId::StandardText, FieldId::ExecutiveText,
                                                  FieldId::OperatorText, FieldId::Dss1Text,
                                                  FieldId::Dss2Text};
            const std::string typed[] = {
                std::to_string(Pick(rng, 0, 300)), "20,5", "8.5", "abc", "-3", "400", "0,4"};
            SetFieldText(app, kPhones[Pick(rng, 0, 6)], typed[Pick(rng, 0, 6)]);
            break;
        }
        case 1:
            SelectCombo1(app, Pick(rng, 0, 3));
            break;
        case 2: {
            const OptionGroupId id = OptionGroupId(Pick(rng, 0, 4));
            const OptionGroup& group = OptionGroupOf(app, id);
            const int index = Pick(rng, group.firstIndex, group.lastIndex());
            if (group.at(index).enabled) SelectOption(app, id, index);
            break;
        }
        case 3:
            if (w.OnlyStationMDFCheck.enabled)
                SetOnlyStationMDFCheck(app, !w.OnlyStationMDFCheck.checked);
            break;
        case 4:
            if (w.MFU_Flash.visible) SelectMFUFlash(app, Pick(rng, 0, 4));
            break;
        case 5:
            NewCalculation(app);
            break;
    }
}

TEST(RecalculateAll, RandomDialogSequencesKeepTheLimitsAndAreIdempotent) {
    // The unoptimised sanitizer build, whose file reader is twenty times
    // slower, takes the first half of the rounds.
#ifdef NDEBUG
    const int rounds = 120;
#else
    const int rounds = 60;
#endif
    std::mt19937 rng(20261208);
    for (int round = 0; round < rounds; ++round) {
        TestApp t;
        App& app = t.app;
        const ConfigState& s = app.state;
        // Every action is a step; undo and redo must give back exactly what
        // was shown before and after it, without a message.
        UndoHistory history;
        std::vector<Undoable> undone, redone;
        for (int step = 0; step < 30; ++step) {
            const std::string where =
                "round " + std::to_string(round) + " step " + std::to_string(step);
            // The multi-function board's box is ticked and cleared between
            // dialogs, the other inputs used, and the calculation saved and
            // opened again.
            const int between = Pick(rng, 0, 11);
            if (between == 1) {
                ExpectRoundTripChangesNothing(t, where);
                undone.clear();  // opening a file starts a new history
                redone.clear();
            } else if (between >= 10) {
                const bool undo = between == 10;
                std::vector<Undoable>& from = undo ? undone : redone;
                std::vector<Undoable>& to = undo ? redone : undone;
                for (int n = Pick(rng, 1, 4); n > 0; --n) {
                    const Undoable now = Undoables(app);
                    const size_t messages = t.platform.messages.size();
                    const int powerMessages = t.platform.powerMessages;
                    ASSERT_EQ(undo ? history.Undo(app) : history.Redo(app), !from.empty()) << where;
                    if (from.empty()) break;
                    EXPECT_TRUE(Undoables(app) == from.back())
                        << where << (undo ? " undo" : " redo");
                    EXPECT_EQ(t.platform.messages.size(), messages) << where;
                    EXPECT_EQ(t.platform.powerMessages, powerMessages) << where;
                    from.pop_back();
                    to.push_back(now);
                }
            } else {
                const Undoable before = Undoables(app);
                history.Begin(app);
                if (between == 0) {
                    SetMFUCheck(app, !app.main.MFUCheck.checked);
                } else if (between <= 3) {
                    RandomInput(app, rng);
                } else {
                    RandomDialogAction(app, rng);
                }
                if (history.End(app, "step")) {
                    undone.push_back(before);
                    redone.clear();
                }
            }
            ASSERT_TRUE(FollowTheInputs(app)) << "round " << round << " step " << step;
            ASSERT_LE(CountBoards(app), s.limits.MaxBoards)
                << "round " << round << " step " << step;
            ASSERT_LE(CountAllLines(app), s.limits.MaxLines)
                << "round " << round << " step " << step;
            ASSERT_LE(CountTrunkLines(app), s.limits.MaxTrunkLines)
                << "round " << round << " step " << step;
            ASSERT_FALSE(s.config.Ipu4Present == 1 && s.config.Ipu8Present == 1)
                << "round " << round;
            ASSERT_LE(s.config.HandsetCount, 210);
            ASSERT_LE(s.config.BaseStationCount, 4 * s.config.IccuBoards + 8 * s.config.IcluBoards);
        }
        RecalculateAll(app);
        const Snapshot first = Take(app);
        const int messages = int(t.platform.messages.size());
        RecalculateAll(app);
        EXPECT_TRUE(first == Take(app)) << "round " << round;
        EXPECT_EQ(int(t.platform.messages.size()), messages) << "round " << round;
    }
}

// Presses up to five random digit keys; disabled keys cannot be pressed.
void PressDigits(std::mt19937& rng, AddQtyPad& pad) {
    for (int n = Pick(rng, 0, 5); n > 0; --n) {
        const int k = Pick(rng, 0, 9);
        if (pad.Command3[size_t(k)].enabled) Command3_Click(pad, k);
    }
    if (Pick(rng, 0, 4) == 0) Form_KeyPress(pad, kEscKey);
}

void Finish(std::mt19937& rng, App& app, AddQtyPad& pad) {
    switch (Pick(rng, 0, 2)) {
        case 0:
            return Command1_Click(app, pad);
        case 1:
            return Command2_Click(app, pad);
        default:
            return Form_Unload(app, pad);
    }
}

bool SameList(const AddedItemsList& a, const AddedItemsList& b) {
    if (a.total != b.total || a.rows.size() != b.rows.size()) return false;
    for (size_t i = 0; i < a.rows.size(); ++i) {
        if (a.rows[i].key != b.rows[i].key || a.rows[i].qty != b.rows[i].qty) return false;
    }
    return true;
}

// Random keypad use: the calculator's keys never build a count its field
// refuses, hand-added quantities stay within four digits, the list and the
// cost line never go stale, and the calculation stays a function of the
// configuration within every limit.
TEST(RecalculateAll, KeypadsKeepTotalsCurrentAndLimitsHeld) {
    std::mt19937 rng(20261208);
    for (int round = 0; round < 40; ++round) {
        TestApp t;
        App& app = t.app;
        std::vector<int> priced;
        for (size_t i = 0; i < app.catalogue.size(); ++i)
            if (app.catalogue[i].ItemPrice > Money()) priced.push_back(int(i));
        if (Pick(rng, 0, 1)) SetMFUCheck(app, true);
        // Boards as their dialog writes them: one of its first variants.
        VariantDialog boards = OpenVariantDialog(app, VariantDialogKind::DigExt);
        Command1_Click(app, boards, Pick(rng, 0, 6));
        RecalculateAll(app);
        SelectCombo1(app, Pick(rng, 0, 3));

        for (int step = 0; step < 25; ++step) {
            const int action = Pick(rng, 0, 3);
            if (action == 0) {
                app.form.SelectNode = ItemKey(priced[size_t(Pick(rng, 0, int(priced.size()) - 1))]);
                AddQtyPad pad = OpenAddQty(app);
                PressDigits(rng, pad);
                Finish(rng, app, pad);
            } else if (action == 1) {
                const AddedItemsList shown = RefreshAddedItemsList(app);
                if (shown.rows.empty()) continue;
                app.form.SelectList =
                    shown.rows[size_t(Pick(rng, 0, int(shown.rows.size()) - 1))].key;
                AddQtyPad pad = OpenAddListQty(app);
                PressDigits(rng, pad);
                Finish(rng, app, pad);
                EXPECT_TRUE(SameList(app.form.ListView1, RefreshAddedItemsList(app)));
            } else if (action == 2 && Pick(rng, 0, 5) == 0) {
                DelAllAddQty_Click(app);
                EXPECT_TRUE(app.form.ListView1.rows.empty());
            } else {
                const FieldButton* button = nullptr;
                while (!button || button->kind != ButtonKind::InputCalc)
                    button = &FieldButtons()[size_t(Pick(rng, 0, int(FieldButtons().size()) - 1))];
                InputCalcButton_Click(app, *button, {0, 0});
                const auto box = MainFieldBoxFor(app);
                InputCalc calc = LoadInputCalc(app);
                for (int n = Pick(rng, 0, 4); n > 0; --n) {
                    const int k = Pick(rng, 0, 9);
                    if (calc.Command1[size_t(k)].enabled) Command1_Click(calc, k);
                }
                if (Pick(rng, 0, 3) == 0) {
                    Form_Unload(calc, *box);
                } else {
                    Command2_Click(calc, *box);
                }
                EXPECT_LE(CountFromText(box->Text(), app.decimalSeparator), 300) << box->Name();
            }
            for (const CatalogueItem& item : app.catalogue) {
                ASSERT_GE(int(item.ItemAddQty), 0);
                ASSERT_LE(int(item.ItemAddQty), 9999);
            }
            // The cost line is current after every keypad.
            const Snapshot shown = Take(app);
            UpdateCostLine(app);
            EXPECT_TRUE(shown == Take(app)) << "round " << round << " step " << step;
        }
        EXPECT_LE(CountBoards(app), app.state.limits.MaxBoards);
        EXPECT_LE(CountAllLines(app), app.state.limits.MaxLines);
        EXPECT_LE(CountTrunkLines(app), app.state.limits.MaxTrunkLines);
        EXPECT_FALSE(app.state.config.Ipu4Present == 1 && app.state.config.Ipu8Present == 1);
        ExpectRoundTripChangesNothing(t, "round " + std::to_string(round));
        RecalculateAll(app);
        const Snapshot first = Take(app);
        RecalculateAll(app);
        EXPECT_TRUE(first == Take(app)) << "round " << round;
        EXPECT_TRUE(t.platform.messages.empty()) << "round " << round;
    }
}

}  // namespace
}  // namespace veltra
