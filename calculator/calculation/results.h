#pragma once
// What one calculation found for the windows to show: the power budget, the
// IP unit and networking captions, the totals and the line counts. The
// calculation fills it; PresentResults alone writes it to the windows.

#include "catalogue/count.h"
#include "catalogue/money.h"

namespace veltra {

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
