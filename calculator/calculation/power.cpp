// Power budget: the estimate, the kind of supply, power units, batteries and
// feed items, extra cabinets for the units, and what the power line shows.
#include <string>

#include "catalogue/number_text.h"
#include "recalculate.h"

namespace veltra {

namespace {

// A telephone box that is not a number counts as 0, as the telephone handling
// has it; the handling puts "0" back into such a box anyway.
double PhoneCount(const App& app, FieldId id) {
    return ParseNumber(app.main.field(id).text, app.decimalSeparator).value_or(0.0);
}

void FeedBoardItems(App& app) {
    const Count cordless = app.state.config.IcluBoards + app.state.config.IccuBoards;
    app.SetItemQty("TSRBS 101 12/1500", cordless > 2 ? cordless - 2 : Count(0));
}

void TransformerSupply(App& app, Count p, Count c, CalculationResults& r) {
    r.supply = PowerSupply::Transformer;
    r.supplyCapacity = 180 * c;
    r.overloaded = p > 180 * c;
    app.state.results.PowerUnitCount = 0;
    app.SetItemQty("TSRBS 101 12/1500", 0);
    app.SetItemQty("RES 147 051/1", c);
    app.SetItemQty("RPM 945 323", c);
    app.SetItemQty("BML 351 048", 0);
    app.SetItemQty("BKB 201 002", 0);
    app.SetItemQty("SXK 106 4147/ 2", 0);
    app.SetItemQty("SXA 112 4404/ 1", 0);
    app.SetItemQty("BKC 851 003", 0);
    app.SetItemQty("TRE 990 113/850", 0);
}

// Units of 240 W each. Above 720 W the most that three cabinets hold, three
// units, is ordered and the overload warning tells the user to correct it.
Count PowerUnitsFor(Count p) {
    if (p < 240) return 1;
    if (p < 480) return 2;
    return 3;
}

void SwitchedModeSupply(App& app, Count p, Count c, CalculationResults& r) {
    ConfigState& s = app.state;
    if (!app.main.PowerStandard.IsSelected(1)) s.results.PowerTypeForced = true;
    FeedBoardItems(app);
    app.SetItemQty("RES 147 051/1", 0);

    const Count units = PowerUnitsFor(p);
    app.SetItemQty("BML 351 048", units);
    app.SetItemQty("RPM 945 323", units);
    app.SetItemQty("TRE 990 113/850", units);
    s.results.PowerUnitCount = units;

    if (s.results.PowerUnitCount > c) {
        SetCabinetItems(app, s.results.PowerUnitCount);
        s.results.CabinetCount = s.results.PowerUnitCount;
    }

    r.supply = PowerSupply::SwitchedMode;
    r.supplyCapacity = 240 * s.results.PowerUnitCount;
    r.overloaded = p > 240 * s.results.PowerUnitCount;

    const bool batteries = app.main.PowerAcc.IsSelected(1);
    const Count n = batteries ? s.results.PowerUnitCount : Count(0);
    app.SetItemQty("BKB 201 002", n);
    app.SetItemQty("SXK 106 4147/ 2", n);
    app.SetItemQty("SXA 112 4404/ 1", n);
    app.SetItemQty("BKC 851 003", 4 * n);
}

void ExternalSupply(App& app, Count c, CalculationResults& r) {
    r.supply = PowerSupply::External;
    r.overloaded = false;
    // No switched-mode units on an external feed; the count must not keep
    // what an earlier calculation left.
    app.state.results.PowerUnitCount = 0;
    app.SetItemQty("BML 351 048", 0);
    app.SetItemQty("RPM 945 323", 0);
    app.SetItemQty("RES 147 051/1", 0);
    app.SetItemQty("BKB 201 002", 0);
    app.SetItemQty("SXK 106 4147/ 2", 0);
    app.SetItemQty("SXA 112 4404/ 1", 0);
    app.SetItemQty("BKC 851 003", 0);
    app.SetItemQty("TRE 990 113/850", c);
    FeedBoardItems(app);
}

}  // namespace

void CalculatePower(App& app, CalculationResults& results) {
    ConfigState& s = app.state;
    s.results.PowerTypeForced = false;

    const double analogLines =
        8.0 * int(s.config.AnalogExt8Boards) + 16.0 * int(s.config.AnalogExt16Boards);
    const double estimate =
        0.9 * PhoneCount(app, FieldId::BasicText) +
        (1.3 * analogLines + 40.0 * int(s.results.CabinetCount) +
         6.0 * int(s.config.BaseStationCount)) +
        1.4 * PhoneCount(app, FieldId::EconomyText) + 1.5 * PhoneCount(app, FieldId::StandardText) +
        2.0 * PhoneCount(app, FieldId::ExecutiveText) +
        2.0 * PhoneCount(app, FieldId::OperatorText) + 1.0 * PhoneCount(app, FieldId::Dss1Text);
    const double rounded = RoundHalfEven(estimate);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw OverflowError();
    s.results.PowerConsumption = Count((long long)rounded);

    const Count p = s.results.PowerConsumption;
    const Count c = s.results.CabinetCount;
    const OptionGroup& supply = app.main.PowerStandard;
    if (180 * c >= p && s.config.BaseStationCount <= 12 && supply.IsSelected(0)) {
        TransformerSupply(app, p, c, results);
    } else if (180 * c < p || s.config.BaseStationCount > 12 || supply.IsSelected(1)) {
        SwitchedModeSupply(app, p, c, results);
    } else if (supply.IsSelected(2)) {
        ExternalSupply(app, c, results);
    }
    results.power = p;
    results.powerDone = true;
}

}  // namespace veltra
