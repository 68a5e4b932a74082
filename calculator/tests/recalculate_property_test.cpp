// For many random valid configurations the calculation is a function of the
// configuration: a second run changes nothing.
#include <gtest/gtest.h>

#include <random>

#include "calculation/recalculate.h"
#include "catalogue/shared_procedures.h"
#include "mainwindow/main_window_inputs.h"
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
    s.panels = st.panel1 + st.panel4 + st.panel6 + (st.panel3Visible ? "!" : "");
    const ConfigState& c = app.state;
    s.state = {c.CabinetCount,    c.PowerConsumption,  c.PowerUnitCount,
               c.PowerTypeForced, c.PowerWarningShown, c.FecuRequiredLevel};
    return s;
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
                    s.AnalogExt8Boards += 1;
                    break;
                case 1:
                    s.AnalogExt16Boards += 1;
                    break;
                case 2:
                    s.DigitalExt8Boards += 1;
                    break;
                case 3:
                    s.DigitalExt16Boards += 1;
                    break;
                case 4:
                    s.DigitalExt32Boards += 1;
                    break;
                case 5:
                    s.AnalogTrunkBoards += 1;
                    break;
                case 6:
                    s.E1Boards += 1;
                    s.E1PriLinks += Pick(rng, 0, 1);
                    break;
                case 7:
                    s.Bri8Boards += 1;
                    break;
                case 8:
                    s.Bri16Boards += 1;
                    break;
                case 9:
                    s.BaseStationCount += Pick(rng, 1, 8);
                    s.IccuBoards = 1;
                    break;
                case 10:
                    s.Ipu8Present = s.Ipu4Present == 0 ? 1 : 0;
                    break;
                case 11:
                    s.HandsetCount += Pick(rng, 1, 10);
                    break;
            }
            if (CountBoards(app) > s.MaxBoards || CountAllLines(app) > s.MaxLines ||
                CountTrunkLines(app) > s.MaxTrunkLines) {
                s = before;
            }
        }
        s.FecuChosenLevel = Pick(rng, 0, 10);
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

}  // namespace
}  // namespace veltra
