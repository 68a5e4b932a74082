// The calculation file reader: any text is refused with its reason or
// accepted. An accepted file opens, on a program started with the shipped
// price list, to a configuration inside every limit of the exchange, with
// the calculated quantities its inputs give; what it opened to saves to a
// text that reads and opens, in a fresh program with either decimal
// separator, to the same text again. An opening refused halfway leaves
// everything as it was. A text the plain JSON reader takes, the library
// reads to the same value, kind for kind.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/startup.h"
#include "calculation/chosen_items.h"
#include "catalogue/recording_platform.h"
#include "check.h"
#include "document/calculation_file.h"
#include "document/json_text.h"
#include "handling/recalculate.h"
#include "state/proposal_rules.h"

using namespace veltra;

namespace {

struct Program {
    explicit Program(char separator = ',') : app(platform, separator) {
        StartUp(app, VELTRA_PRICE_LIST);
    }
    RecordingPlatform platform;
    App app;
};

// A program as start-up left it, without reading the price list each time.
void Restart(Program& program, const Program& started) {
    App& app = program.app;
    app.catalogue = started.app.catalogue;
    app.priceList = started.app.priceList;
    app.state = started.app.state;
    app.main = started.app.main;
    app.form = started.app.form;
    app.document = started.app.document;
    app.proposal = started.app.proposal;
    program.platform.messages.clear();
}

bool Accepted(std::string_view text, const App& app, SavedCalculation& saved) {
    try {
        saved = ReadCalculation(text, app);
        return true;
    } catch (const CalculationFileError&) {
        return false;
    }
}

void CheckQuantitiesFollowInputs(const App& app) {
    const std::vector<Count> derived =
        DerivedQuantities(app.catalogue, app.state, CalculationInputsOf(app));
    for (size_t i = 0; i < derived.size(); ++i)
        FUZZ_CHECK(app.catalogue[i].ItemCalcQty == derived[i]);
}

// Reads and opens a saved text in another program: it saves to the same text.
void CheckReopens(Program& program, const std::string& savedText, const std::string& date) {
    SavedCalculation reread;
    FUZZ_CHECK(Accepted(savedText, program.app, reread));
    ApplyCalculation(program.app, reread);
    FUZZ_CHECK(CalculationText(TakeSnapshot(program.app, date)) == savedText);
}

bool SameValue(const nlohmann::ordered_json& a, const nlohmann::ordered_json& b) {
    if (a.type() != b.type() || a.size() != b.size()) return false;
    if (a.is_object()) {
        for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j)
            if (i.key() != j.key() || !SameValue(*i, *j)) return false;
        return true;
    }
    if (a.is_array()) {
        for (size_t i = 0; i < a.size(); ++i)
            if (!SameValue(a[i], b[i])) return false;
        return true;
    }
    return a == b;
}

void CheckPlainJson(std::string_view text) {
    const auto plain = ReadPlainJson(text);
    if (!plain) return;
    nlohmann::ordered_json library;
    bool refused = false;
    try {
        library = nlohmann::ordered_json::parse(text.begin(), text.end());
    } catch (const nlohmann::ordered_json::exception&) {
        refused = true;
    }
    FUZZ_CHECK(!refused);
    FUZZ_CHECK(SameValue(*plain, library));
}

void CheckLimits(const App& app) {
    const ConfigState& s = app.state;
    FUZZ_CHECK(CountBoards(app) <= s.limits.MaxBoards);
    FUZZ_CHECK(CountAllLines(app) <= s.limits.MaxLines);
    FUZZ_CHECK(CountTrunkLines(app) <= s.limits.MaxTrunkLines);
    for (const Count count :
         {s.config.AnalogExt8Boards,   s.config.AnalogExt16Boards,  s.config.DigitalExt8Boards,
          s.config.DigitalExt16Boards, s.config.DigitalExt32Boards, s.config.IccuBoards,
          s.config.IcluBoards,         s.config.BaseStationCount,   s.config.HandsetCount,
          s.config.AnalogTrunkBoards,  s.config.E1Boards,           s.config.E1PriLinks,
          s.config.E1CasLinks,         s.config.Bri8Boards,         s.config.Bri16Boards,
          s.config.Ipu4Present,        s.config.Ipu8Present,        s.results.FecuRequiredLevel,
          s.config.FecuChosenLevel,    s.config.FecuModule,         s.results.CabinetCount,
          s.results.PowerConsumption,  s.results.PowerUnitCount})
        FUZZ_CHECK(count >= 0);
    for (const CatalogueItem& item : app.catalogue) {
        FUZZ_CHECK(item.ItemCalcQty >= 0);
        FUZZ_CHECK(item.ItemAddQty >= 0 && item.ItemAddQty <= 9999);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Program started, startedWithPoint('.');
    static Program first, second, third('.');
    Restart(first, started);
    Restart(second, started);
    Restart(third, startedWithPoint);

    // Only the input's own bytes: AddressSanitizer stops any read beyond.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckPlainJson(text);
    SavedCalculation saved;
    if (!Accepted(text, first.app, saved)) return 0;
    const std::string before = CalculationText(TakeSnapshot(first.app, saved.date));
    try {
        ApplyCalculation(first.app, saved);
    } catch (const CalculationFileError&) {
        // Totals beyond the money type: everything is put back.
        FUZZ_CHECK(CalculationText(TakeSnapshot(first.app, saved.date)) == before);
        return 0;
    }
    CheckLimits(first.app);
    CheckQuantitiesFollowInputs(first.app);
    FUZZ_CHECK(!CheckProposal(first.app.proposal));  // what the dialog would take
    FUZZ_CHECK(first.platform.messages.empty());     // told by the opening, not the calculation

    const std::string savedText = CalculationText(TakeSnapshot(first.app, saved.date));
    CheckReopens(second, savedText, saved.date);
    CheckReopens(third, savedText, saved.date);
    return 0;
}
