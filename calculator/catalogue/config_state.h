#pragma once
// The configuration being priced, in the records that say what they hold: the
// exchange's limits, what the user chose (and a calculation file keeps), what
// the calculation made of it, and the window's own values. One per run,
// owned by the application.

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

// Set at start-up from the system type.
struct SystemLimits {
    Count MaxBoards = 0;
    Count MaxTrunkLines = 0;
    Count MaxLines = 0;
    Count FixedBoards = 0;

    friend bool operator==(const SystemLimits&, const SystemLimits&) = default;
};

// The counts the dialogs write, each under its own name in a calculation
// file: a count listed here is kept, read, reset and undone with the rest.
#define VELTRA_CONFIGURATION_COUNTS(X) \
    X(AnalogExt8Boards)                \
    X(AnalogExt16Boards)               \
    X(DigitalExt8Boards)               \
    X(DigitalExt16Boards)              \
    X(DigitalExt32Boards)              \
    X(IccuBoards)                      \
    X(IcluBoards)                      \
    X(BaseStationCount)                \
    X(HandsetCount)                    \
    X(AnalogTrunkBoards)               \
    X(E1Boards)                        \
    X(E1PriLinks)                      \
    X(E1CasLinks)                      \
    X(Bri8Boards)                      \
    X(Bri16Boards)                     \
    X(Ipu4Present)                     \
    X(Ipu8Present)                     \
    X(FecuChosenLevel)                 \
    X(FecuModule)

// What a calculation file keeps of this record: the counts, the power
// warning once given, and the discount. (The main window's inputs and the
// hand-added quantities it keeps live with the window and the catalogue.)
struct Configuration {
#define VELTRA_COUNT_MEMBER(name) Count name = 0;
    VELTRA_CONFIGURATION_COUNTS(VELTRA_COUNT_MEMBER)
#undef VELTRA_COUNT_MEMBER
    bool PowerWarningShown = false;
    // Discount (positive) or mark-up (negative) in percent for the quotation.
    double QuotationDiscountPercent = 0;

    friend bool operator==(const Configuration&, const Configuration&) = default;
};

// Made by the calculation from the configuration, never saved.
struct DerivedValues {
    Count FecuRequiredLevel = 0;
    Count CabinetCount = 0;
    Count PowerConsumption = 0;
    Count PowerUnitCount = 0;
    bool PowerTypeForced = false;
    Money CalcTotal;
    Money AddTotal;

    friend bool operator==(const DerivedValues&, const DerivedValues&) = default;
};

// The program's and its window's, not the calculation's.
struct WindowValues {
    Colour DialogHighlightColour = 0;
    int32_t TitleBarHeight = 0;   // twips
    std::string InputCalcTarget;  // name of the text box the input calculator fills
    Count InputCalcMax = 0;

    friend bool operator==(const WindowValues&, const WindowValues&) = default;
};

struct ConfigState {
    SystemLimits limits;
    Configuration config;
    DerivedValues results;
    WindowValues window;

    friend bool operator==(const ConfigState&, const ConfigState&) = default;
};

}  // namespace veltra
