#pragma once
// The short Russian description of the configured exchange: one bulleted line
// per kind of line or unit present, then the option lines. Shown on the
// reports page and written at the top of the quotation sheet.

#include <string>
#include <vector>

#include "catalogue/count.h"

namespace veltra {

struct App;

// What the text is built from, read from the application at the moment of
// rendering.
struct ConfigurationInputs {
    Count analogExtLines = 0;
    Count digitalExtLines = 0;
    Count analogTrunkLines = 0;
    Count briChannels = 0;
    Count e1PriLinks = 0;
    Count e1CasLinks = 0;
    Count ipu4 = 0;
    Count ipu8 = 0;
    Count baseStations = 0;
    Count handsets = 0;
    int flashIndex = 0;  // MFU_Flash's selected entry
    std::string flashText;
    bool batteries = false;  // PowerAcc element 1
    int mdfBox = 2;          // selected MDFBox element, -1 for none
    bool onlyStation = false;
    char decimalSeparator = ',';
};

// The line counts and the rest, as the configuration stands; writes nothing.
ConfigurationInputs ReadConfiguration(const App& app);

// Noun ending for the last decimal digit of count; class 1 words end in -ия,
// class 2 words have a bare stem. Any other class gives no ending.
std::string CountEnding(Count count, int nounClass);
// "ый" for a last digit of 1, "ых" otherwise; empty for any other ending.
std::string AdjectiveEnding(const std::string& ending, Count count);
// "• 24 аналоговых абонентских линии"; empty when count is below 1. Both
// renderings write their counted lines with it.
std::string CountedLine(Count count, const std::string& stem, const std::string& tail,
                        int nounClass);

// The on-screen text: heading, counted lines, voice functions, an empty line,
// then the options; every line ends with a carriage return.
std::string ConfigurationScreenText(const ConfigurationInputs& in);
// The sheet's lines: no heading and no empty line, two fixed lines at the end.
std::vector<std::string> ConfigurationSheetLines(const ConfigurationInputs& in);

// Replaces the caption of ReportTxtLabel with the on-screen text.
void ShowConfiguration(App& app);

}  // namespace veltra
