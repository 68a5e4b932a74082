#pragma once
// What one calculation reads besides the configuration, as the main window's
// inputs hold it when the calculation starts, and what it found for the
// windows to show: the power budget, the IP unit and networking captions, the
// totals and the line counts. The calculation fills the results; the
// presenting step alone writes them to the windows.

#include <array>

#include "catalogue/count.h"
#include "catalogue/money.h"

namespace veltra {

// The telephone sets of the count fields, in the fields' order.
enum class Telephone { Basic, Economy, Standard, Executive, Operator, Dss1, Dss2 };
inline constexpr int kTelephones = 7;
// The item each telephone's count prices.
inline constexpr std::array<const char*, kTelephones> kTelephoneCodes = {
    "DBC 210 01/01021", "DBC 211 01/01021", "DBC 212 01/01021", "DBC 213 01/01021",
    "DBC 214 01/01021", "DBY 409 01/01003", "DBY 409 02/01003",
};

// Which elements of an option group are selected, by the group's indices.
struct OptionChoice {
    std::array<bool, 3> selected{};
    bool IsSelected(int index) const {
        return index >= 0 && index < int(selected.size()) && selected[size_t(index)];
    }
    friend bool operator==(const OptionChoice&, const OptionChoice&) = default;
};

struct CalculationInputs {
    // Each telephone field's number; a text that is not a number counts as 0.
    std::array<double, kTelephones> telephones{};
    bool mfu = false;  // the multi-function board (MFUCheck)
    int mfuFlash = 0;  // its flash memory, MFU_Flash's index
    bool onlyStationMdf = false;
    OptionChoice powerStandard, powerAcc, mdfBox, mdfOpenCable, arrestor;

    double telephone(Telephone t) const { return telephones[size_t(t)]; }
    friend bool operator==(const CalculationInputs&, const CalculationInputs&) = default;
};

enum class PowerSupply { Unchosen, Transformer, SwitchedMode, External };

struct CalculationResults {
    // Each part is shown only once it is calculated: an overflow stops the
    // calculation with the earlier parts shown, as far as it got.
    bool powerDone = false;
    bool unitsDone = false;
    bool totalsDone = false;

    PowerSupply supply = PowerSupply::Unchosen;
    Count power = 0;           // watts
    Count supplyCapacity = 0;  // watts the supply gives
    bool overloaded = false;

    bool ipuPresent = false;
    Count ipuChannels = 0;
    int fecuShown = -1;  // the networking level the field shows; -1 leaves it

    Money calcTotal;
    Money addTotal;
    Count analogExt = 0;
    Count digitalExt = 0;
    Count briChannels = 0;
    Count analogTrunk = 0;
    Count trunk = 0;
    Count ext = 0;
};

}  // namespace veltra
