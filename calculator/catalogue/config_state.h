#pragma once
// The configuration being priced: limits, board and unit counts, choices and
// results. One record per run, owned by the application.

#include <cstdint>
#include <string>

#include "count.h"
#include "money.h"
#include "platform.h"

namespace veltra {

// The quotation's discount takes at most the whole price off; a mark-up of
// more than ten times the price is a slip of the keyboard.
inline constexpr double kMaxDiscountPercent = 100;
inline constexpr double kMaxMarkupPercent = 1000;

struct ConfigState {
    // Limits, set at start-up.
    Count MaxBoards = 0;
    Count MaxTrunkLines = 0;
    Count MaxLines = 0;
    Count FixedBoards = 0;

    // Boards, written by the board dialogs.
    Count AnalogExt8Boards = 0;
    Count AnalogExt16Boards = 0;
    Count DigitalExt8Boards = 0;
    Count DigitalExt16Boards = 0;
    Count DigitalExt32Boards = 0;
    Count IccuBoards = 0;
    Count IcluBoards = 0;
    Count BaseStationCount = 0;
    Count HandsetCount = 0;
    Count AnalogTrunkBoards = 0;
    Count E1Boards = 0;
    Count E1PriLinks = 0;
    Count E1CasLinks = 0;
    Count Bri8Boards = 0;
    Count Bri16Boards = 0;
    Count Ipu4Present = 0;
    Count Ipu8Present = 0;
    Count FecuRequiredLevel = 0;
    Count FecuChosenLevel = 0;
    Count FecuModule = 0;

    // Results of the calculation.
    Count CabinetCount = 0;
    Count PowerConsumption = 0;
    Count PowerUnitCount = 0;
    bool PowerTypeForced = false;
    bool PowerWarningShown = false;
    Money CalcTotal;
    Money AddTotal;

    // User-interface values.
    Colour DialogHighlightColour = 0;
    int32_t TitleBarHeight = 0;   // twips
    std::string InputCalcTarget;  // name of the text box the input calculator fills
    Count InputCalcMax = 0;

    // Discount (positive) or mark-up (negative) in percent for the quotation.
    double QuotationDiscountPercent = 0;

    friend bool operator==(const ConfigState&, const ConfigState&) = default;
};

}  // namespace veltra
