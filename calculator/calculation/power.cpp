// Power budget: the estimate, the kind of supply, power units, batteries and
// feed items, extra cabinets for the units, and what the power line shows.
#include <string>

#include "calculate.h"
#include "catalogue/number_text.h"

namespace veltra {

namespace {

// A telephone box that is not a number counts as 0, as the telephone handling
// has it; the handling puts "0" back into such a box anyway.
double PhoneCount(const Calculation& c, Telephone t) {
    return c.inputs.telephone(t);
}

void FeedBoardItems(const Calculation& c) {
    const Count cordless = c.config.IcluBoards + c.config.IccuBoards;
    c.SetItemQty("TSRBS 101 12/1500", cordless > 2 ? cordless - 2 : Count(0));
}

void TransformerSupply(const Calculation& k, Count p, Count c, CalculationResults& r) {
    r.supply = PowerSupply::Transformer;
    r.supplyCapacity = 180 * c;
    r.overloaded = p > 180 * c;
    k.derived.PowerUnitCount = 0;
    k.SetItemQty("TSRBS 101 12/1500", 0);
    k.SetItemQty("RES 147 051/1", c);
    k.SetItemQty("RPM 945 323", c);
    k.SetItemQty("BML 351 048", 0);
    k.SetItemQty("BKB 201 002", 0);
    k.SetItemQty("SXK 106 4147/ 2", 0);
    k.SetItemQty("SXA 112 4404/ 1", 0);
    k.SetItemQty("BKC 851 003", 0);
    k.SetItemQty("TRE 990 113/850", 0);
}

// Units of 240 W each. Above 720 W the most that three cabinets hold, three
// units, is ordered and the overload warning tells the user to correct it.
Count PowerUnitsFor(Count p) {
    if (p < 240) return 1;
    if (p < 480) return 2;
    return 3;
}

void SwitchedModeSupply(const Calculation& k, Count p, Count c, CalculationResults& r) {
    DerivedValues& d = k.derived;
    if (!k.inputs.powerStandard.IsSelected(1)) d.PowerTypeForced = true;
    FeedBoardItems(k);
    k.SetItemQty("RES 147 051/1", 0);

    const Count units = PowerUnitsFor(p);
    k.SetItemQty("BML 351 048", units);
    k.SetItemQty("RPM 945 323", units);
    k.SetItemQty("TRE 990 113/850", units);
    d.PowerUnitCount = units;

    if (d.PowerUnitCount > c) {
        SetCabinetItems(k, d.PowerUnitCount);
        d.CabinetCount = d.PowerUnitCount;
    }

    r.supply = PowerSupply::SwitchedMode;
    r.supplyCapacity = 240 * d.PowerUnitCount;
    r.overloaded = p > 240 * d.PowerUnitCount;

    const bool batteries = k.inputs.powerAcc.IsSelected(1);
    const Count n = batteries ? d.PowerUnitCount : Count(0);
    k.SetItemQty("BKB 201 002", n);
    k.SetItemQty("SXK 106 4147/ 2", n);
    k.SetItemQty("SXA 112 4404/ 1", n);
    k.SetItemQty("BKC 851 003", 4 * n);
}

void ExternalSupply(const Calculation& k, Count c, CalculationResults& r) {
    r.supply = PowerSupply::External;
    r.overloaded = false;
    // No switched-mode units on an external feed; the count must not keep
    // what an earlier calculation left.
    k.derived.PowerUnitCount = 0;
    k.SetItemQty("BML 351 048", 0);
    k.SetItemQty("RPM 945 323", 0);
    k.SetItemQty("RES 147 051/1", 0);
    k.SetItemQty("BKB 201 002", 0);
    k.SetItemQty("SXK 106 4147/ 2", 0);
    k.SetItemQty("SXA 112 4404/ 1", 0);
    k.SetItemQty("BKC 851 003", 0);
    k.SetItemQty("TRE 990 113/850", c);
    FeedBoardItems(k);
}

}  // namespace

void CalculatePower(const Calculation& k, CalculationResults& results) {
    const Configuration& s = k.config;
    DerivedValues& d = k.derived;
    d.PowerTypeForced = false;

    const double analogLines = 8.0 * int(s.AnalogExt8Boards) + 16.0 * int(s.AnalogExt16Boards);
    const double estimate =
        0.9 * PhoneCount(k, Telephone::Basic) +
        (1.3 * analogLines + 40.0 * int(d.CabinetCount) + 6.0 * int(s.BaseStationCount)) +
        1.4 * PhoneCount(k, Telephone::Economy) + 1.5 * PhoneCount(k, Telephone::Standard) +
        2.0 * PhoneCount(k, Telephone::Executive) + 2.0 * PhoneCount(k, Telephone::Operator) +
        1.0 * PhoneCount(k, Telephone::Dss1);
    const double rounded = RoundHalfEven(estimate);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw OverflowError();
    d.PowerConsumption = Count((long long)rounded);

    const Count p = d.PowerConsumption;
    const Count c = d.CabinetCount;
    const OptionChoice& supply = k.inputs.powerStandard;
    if (180 * c >= p && s.BaseStationCount <= 12 && supply.IsSelected(0)) {
        TransformerSupply(k, p, c, results);
    } else if (180 * c < p || s.BaseStationCount > 12 || supply.IsSelected(1)) {
        SwitchedModeSupply(k, p, c, results);
    } else if (supply.IsSelected(2)) {
        ExternalSupply(k, c, results);
    }
    results.power = p;
    results.powerDone = true;
}

}  // namespace veltra
