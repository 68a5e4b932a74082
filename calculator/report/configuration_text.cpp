#include "configuration_text.h"

#include "catalogue/number_text.h"
#include "handling/line_count_fields.h"
#include "state/app.h"

namespace veltra {

namespace {

constexpr char kCr = '\r';

int LastDigit(Count count) {
    const std::string digits = std::to_string(int(count));
    return digits.back() - '0';
}

std::string Decimal(Count count) {
    return std::to_string(int(count));
}

// The nine counted lines in their order, only those with a count of 1 or more.
std::vector<std::string> CountedLines(const ConfigurationInputs& in) {
    const std::string digital = "цифровых соединительных лин";
    const std::string briAccesses = NumberToText(int(in.briChannels) / 2.0, in.decimalSeparator);
    const std::string lines[] = {
        CountedLine(in.analogExtLines, "аналоговых абонентских лин", "", 1),
        CountedLine(in.digitalExtLines, "цифровых абонентских лин", "", 1),
        CountedLine(in.analogTrunkLines, "аналоговых 2-х проводных соединительных лин", "", 1),
        CountedLine(30 * in.e1PriLinks, digital, " (" + Decimal(in.e1PriLinks) + " x E1 PRI ISDN)",
                    1),
        CountedLine(30 * in.e1CasLinks, digital, " (" + Decimal(in.e1CasLinks) + " x E1 CAS R2)",
                    1),
        CountedLine(in.briChannels, digital, " (" + briAccesses + " x BRI ISDN)", 1),
        CountedLine(8 * in.ipu8 + 4 * in.ipu4, "лин", " IP-телефонии (VoIP)", 1),
        CountedLine(in.baseStations, "базовых станц", " DECT", 1),
        CountedLine(in.handsets, "мобильн" + AdjectiveEnding("ый", in.handsets) + " аппарат",
                    " ZA-288", 2),
    };
    std::vector<std::string> present;
    for (const std::string& line : lines) {
        if (!line.empty()) present.push_back(line);
    }
    return present;
}

std::string VoiceLine(const ConfigurationInputs& in) {
    return "• поддержка речевых функций (" + in.flashText + ")";
}

// The accumulator, modem, cable and frame lines that apply.
std::vector<std::string> OptionLines(const ConfigurationInputs& in) {
    std::vector<std::string> lines;
    if (in.batteries) lines.push_back("• аккумуляторное резервирование ~4 часа");
    lines.push_back("• интегрированный модем для удаленного программирования и диагностики");
    lines.push_back("• кроссовые кабели - комплект");
    if (in.mdfBox == 0 || in.mdfBox == 1) {
        lines.push_back(in.onlyStation
                            ? "• кроссовое оборудование станционная сторона - комплект"
                            : "• кроссовое оборудование станционная и линейная стороны - комплект");
    }
    return lines;
}

}  // namespace

std::string CountEnding(Count count, int nounClass) {
    const int d = LastDigit(count);
    const bool one = d == 1, few = d >= 2 && d <= 4;
    if (nounClass == 1) return one ? "ия" : few ? "ии" : "ий";
    if (nounClass == 2) return one ? "" : few ? "а" : "ов";
    return "";
}

std::string AdjectiveEnding(const std::string& ending, Count count) {
    if (ending != "ый") return "";
    return LastDigit(count) == 1 ? "ый" : "ых";
}

std::string CountedLine(Count count, const std::string& stem, const std::string& tail,
                        int nounClass) {
    if (count < 1) return "";
    return "• " + Decimal(count) + " " + stem + CountEnding(count, nounClass) + tail;
}

std::string ConfigurationScreenText(const ConfigurationInputs& in) {
    std::string text = std::string("Конфигурация:") + kCr + kCr;
    for (const std::string& line : CountedLines(in)) text += line + kCr;
    if (in.flashIndex >= 1) text += VoiceLine(in) + kCr;
    text += kCr;
    for (const std::string& line : OptionLines(in)) text += line + kCr;
    return text;
}

std::vector<std::string> ConfigurationSheetLines(const ConfigurationInputs& in) {
    std::vector<std::string> lines = CountedLines(in);
    if (in.flashIndex >= 1) lines.push_back(VoiceLine(in));
    for (const std::string& line : OptionLines(in)) lines.push_back(line);
    lines.push_back("• программное обеспечение для программирования и администрирования системы");
    lines.push_back("• описание системы 1600 стр. (компакт-диск)");
    return lines;
}

ConfigurationInputs ReadConfiguration(const App& app) {
    ConfigurationInputs in;
    in.analogExtLines = AnalogExtLines(app);
    in.digitalExtLines = DigitalExtLines(app);
    in.analogTrunkLines = AnalogTrunkLines(app);
    in.briChannels = BriChannels(app);
    const ConfigState& s = app.state;
    in.e1PriLinks = s.config.E1PriLinks;
    in.e1CasLinks = s.config.E1CasLinks;
    in.ipu4 = s.config.Ipu4Present;
    in.ipu8 = s.config.Ipu8Present;
    in.baseStations = s.config.BaseStationCount;
    in.handsets = s.config.HandsetCount;
    const ComboBox& flash = app.main.MFU_Flash;
    in.flashIndex = flash.index;
    if (flash.index >= 0 && flash.index < int(flash.entries.size()))
        in.flashText = flash.entries[size_t(flash.index)];
    in.batteries = app.main.PowerAcc.IsSelected(1);
    in.mdfBox = app.main.MDFBox.Selected();
    in.onlyStation = app.main.OnlyStationMDFCheck.checked;
    in.decimalSeparator = app.decimalSeparator;
    return in;
}

void ShowConfiguration(App& app) {
    app.main.ReportTxtLabel = ConfigurationScreenText(ReadConfiguration(app));
}

}  // namespace veltra
