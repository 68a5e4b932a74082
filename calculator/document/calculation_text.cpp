// The ".veltra" text: UTF-8 JSON written in one fixed order, so that the
// same calculation always gives the same bytes, and read back with every
// value checked before anything is applied.
#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "calculation/cordless_boards.h"
#include "calculation/variant_family.h"
#include "catalogue/limits.h"
#include "catalogue/number_text.h"
#include "catalogue/printable_text.h"
#include "handling/line_count_fields.h"
#include "handling/recalculate.h"
#include "json_text.h"
#include "proposal_json.h"
#include "revision_json.h"
#include "saved_calculation.h"
#include "saved_items.h"

namespace veltra {

namespace {

using Json = nlohmann::ordered_json;

// The counts kept, under their own names.
struct CountMember {
    const char* name;
    Count Configuration::*member;
};
constexpr CountMember kCounts[] = {
#define VELTRA_COUNT_ENTRY(name) {#name, &Configuration::name},
    VELTRA_CONFIGURATION_COUNTS(VELTRA_COUNT_ENTRY)
#undef VELTRA_COUNT_ENTRY
};

struct GroupMember {
    const char* name;
    OptionGroup MainWindowModel::*member;
};
constexpr GroupMember kGroups[] = {
    {"PowerStandard", &MainWindowModel::PowerStandard}, {"PowerAcc", &MainWindowModel::PowerAcc},
    {"Arrestor", &MainWindowModel::Arrestor},           {"MDFBox", &MainWindowModel::MDFBox},
    {"MDFOpenCable", &MainWindowModel::MDFOpenCable},
};

const char* ColourName(Background background) {
    return background == Background::Window ? "window" : "buttonface";
}

std::string MoneyText(Money money) {
    return money.RegionalText('.');
}

// --- writing ---

Json CheckBoxJson(const CheckBox& box) {
    return Json{{"checked", box.checked}, {"enabled", box.enabled}};
}

Json ComboJson(const ComboBox& combo) {
    return Json{{"index", combo.index},
                {"visible", combo.visible},
                {"colour", ColourName(combo.background)}};
}

// --- reading: every fault names where it is ---

[[noreturn]] void Fail(const std::string& what) {
    throw CalculationFileError(what);
}

const Json& Member(const Json& object, const char* key, const std::string& where) {
    const auto it = object.find(key);
    if (it == object.end()) Fail("нет значения «" + where + key + "»");
    return *it;
}

const Json& Object(const Json& object, const char* key, const std::string& where = "") {
    const Json& value = Member(object, key, where);
    if (!value.is_object()) Fail("«" + where + key + "» — не набор значений");
    return value;
}

long long Integer(const Json& object, const char* key, long long min, long long max,
                  const std::string& where = "") {
    const Json& value = Member(object, key, where);
    if (!value.is_number_integer()) Fail("«" + where + key + "» — не целое число");
    const long long n = value.is_number_unsigned() && value.get<unsigned long long>() > 1ull << 62
                            ? max + 1
                            : value.get<long long>();
    if (n < min || n > max) {
        Fail("«" + where + key + "» = " + std::to_string(n) + " вне допустимого (" +
             std::to_string(min) + "…" + std::to_string(max) + ")");
    }
    return n;
}

bool Boolean(const Json& object, const char* key, const std::string& where = "") {
    const Json& value = Member(object, key, where);
    if (!value.is_boolean()) Fail("«" + where + key + "» — не да/нет");
    return value.get<bool>();
}

std::string String(const Json& object, const char* key, const std::string& where = "") {
    const Json& value = Member(object, key, where);
    if (!value.is_string()) Fail("«" + where + key + "» — не текст");
    return value.get<std::string>();
}

// A price is at most kMaxPrice (checked with its item); a total is bounded
// by what the money type holds, and must be the sum of the items.
Money MoneyValue(const Json& object, const char* key, const std::string& where = "") {
    const std::string text = String(object, key, where);
    const auto money = Money::Parse(text, '.');
    if (!money || *money < Money()) {
        Fail("«" + where + key + "» = «" + Excerpt(text) + "» — не сумма");
    }
    return *money;
}

Background ColourValue(const Json& object, const std::string& where) {
    const std::string colour = String(object, "colour", where);
    if (colour == "window") return Background::Window;
    if (colour == "buttonface") return Background::ButtonFace;
    Fail("«" + where + "colour» = «" + Excerpt(colour) + "» — не цвет поля");
}

void ReadCheckBox(const Json& boxes, const char* key, CheckBox& box) {
    const Json& json = Object(boxes, key, "checkBoxes.");
    const std::string where = std::string("checkBoxes.") + key + ".";
    box.checked = Boolean(json, "checked", where);
    box.enabled = Boolean(json, "enabled", where);
}

void ReadCombo(const Json& combos, const char* key, ComboBox& combo) {
    const Json& json = Object(combos, key, "dropDowns.");
    const std::string where = std::string("dropDowns.") + key + ".";
    combo.index = int(Integer(json, "index", 0, long(combo.entries.size()) - 1, where));
    combo.visible = Boolean(json, "visible", where);
    combo.background = ColourValue(json, where);
}

void ReadGroup(const Json& groups, const char* key, OptionGroup& group) {
    const Json& json = Object(groups, key, "optionGroups.");
    const std::string where = std::string("optionGroups.") + key + ".";
    // The window always keeps one of a group selected; with none, the power
    // or frame step would keep what the calculation before left.
    const long long selected = Integer(json, "selected", -1, group.lastIndex(), where);
    if (selected == -1) Fail("«" + where + "selected» = -1: в группе ничего не выбрано");
    if (selected < group.firstIndex)
        Fail("«" + where + "selected» = " + std::to_string(selected) + " вне группы");
    const Json& enabled = Member(json, "enabled", where);
    if (!enabled.is_array() || enabled.size() != group.buttons.size())
        Fail("«" + where + "enabled» — не " + std::to_string(group.buttons.size()) + " да/нет");
    for (size_t i = 0; i < group.buttons.size(); ++i) {
        if (!enabled[i].is_boolean()) Fail("«" + where + "enabled» — не да/нет");
        group.buttons[i].enabled = enabled[i].get<bool>();
        group.buttons[i].selected = int(i) + group.firstIndex == selected;
    }
}

// The fields every calculation rewrites from the counts must show those
// counts, or opening would run their change handling; the fields the unit
// dialogs write must hold what those write; the telephone fields a count the
// window accepts.
void CheckFields(const SavedCalculation& saved) {
    const Configuration& s = saved.config;
    const MainWindowModel& w = saved.main;
    const bool mfu = w.MFUCheck.checked;
    const auto lines = [&](Count n) { return std::to_string(int(n)); };
    const int fecu = std::max<int>(RequiredNetworkingLevel(s, mfu), s.FecuChosenLevel);
    const struct {
        FieldId id;
        std::string text;
    } derived[] = {
        {FieldId::AnalogExtText, lines(AnalogExtLines(s, mfu))},
        {FieldId::DigitalExtText, lines(DigitalExtLines(s, mfu))},
        {FieldId::AnTrunkText, lines(AnalogTrunkLines(s))},
        {FieldId::BRITrunkText, BriChannelsText(BriChannels(s, mfu))},
        {FieldId::FecuText, kFecuLevelCaptions[size_t(fecu)]},
        {FieldId::IPUText, lines(8 * s.Ipu8Present + 4 * s.Ipu4Present)},
        {FieldId::BSText, lines(s.BaseStationCount)},
        {FieldId::MobileText, lines(s.HandsetCount)},
    };
    for (const auto& field : derived) {
        const std::string& text = w.field(field.id).text;
        if (text != field.text) {
            Fail(std::string("поле «") + InfoOf(field.id).name + "» = «" + Excerpt(text) +
                 "» не согласуется с количествами (ожидалось «" + field.text + "»)");
        }
    }
    bool e1 = false;
    for (int boards = 0; boards <= kMaxE1Boards; ++boards)
        e1 = e1 || w.field(FieldId::E1TrunkText).text == E1TrunkText(boards);
    if (!e1)
        Fail("поле «E1TrunkText» = «" + Excerpt(w.field(FieldId::E1TrunkText).text) +
             "» — не число плат E1");
    // Read with a full stop (ReadFieldText).
    for (const FieldInfo& info : kFields) {
        if (!IsTelephoneField(info.id)) continue;
        const std::string& text = w.field(info.id).text;
        const double value = ParseNumber(text, '.').value_or(-1);
        if (value < 0 || value > 300) {
            Fail(std::string("поле «") + info.name + "» = «" + Excerpt(text) +
                 "» вне допустимого (0…300)");
        }
    }
    // The flash memory is chosen on the multi-function board's drop-down,
    // which shows only while the board is fitted.
    if (!w.MFUCheck.checked && w.MFU_Flash.index != 0)
        Fail("«dropDowns.MFU_Flash.index» = " + std::to_string(w.MFU_Flash.index) +
             ": флэш-память выбрана без платы MFU");
}

// A telephone field's number as kept in the file: a text written with a
// decimal comma, by an earlier version on such a machine, is read as well.
std::string ReadFieldText(const FieldInfo& info, const std::string& text) {
    if (!IsTelephoneField(info.id) || IsNumeric(text, '.')) return text;
    if (IsNumeric(text, ',')) return FieldTextForFile(text, ',');
    Fail(std::string("поле «") + info.name + "» = «" + Excerpt(text) + "» — не число");
}

// Each board family as one of its dialog's variants; units as their dialogs
// offer them; then the limits of the whole exchange.
void CheckCounts(const SavedCalculation& saved, const App& limits) {
    const Configuration& s = saved.config;
    for (VariantDialogKind kind : {VariantDialogKind::DigExt, VariantDialogKind::AnExt,
                                   VariantDialogKind::AnTr, VariantDialogKind::BriTrunk}) {
        const VariantFamily& family = FamilyOf(kind);
        BoardCounts counts{0, 0, 0};
        for (int k = 0; k < family.kindCount; ++k)
            counts[size_t(k)] = s.*(family.kinds[size_t(k)].count);
        bool offered = false;
        for (int i = 0; i < kVariantCount && !offered; ++i) offered = family.variant(i) == counts;
        if (family.boundsBriBoards && BoardsOf(family, counts) > kMaxBriBoards) offered = false;
        if (!offered) Fail(std::string("платы ") + family.name + " — не вариант его диалога");
    }
    // A board whose firmware was left unchosen counts as neither.
    if (s.E1PriLinks + s.E1CasLinks > s.E1Boards)
        Fail("потоков E1 PRI и CAS вместе больше, чем плат E1");
    if (s.Ipu4Present + s.Ipu8Present > 1) Fail("IP-блок указан дважды");
    if (s.IcluBoards > 0 && s.IccuBoards < 1) Fail("платы IC-LU без платы IC-CU");
    // The base station dialog fits the cordless boards to the stations.
    if (const auto boards = BoardsForStations(s.BaseStationCount);
        !boards || boards->central != s.IccuBoards || boards->line != s.IcluBoards) {
        Fail("плат IC-CU " + std::to_string(int(s.IccuBoards)) + " и IC-LU " +
             std::to_string(int(s.IcluBoards)) + " при " + std::to_string(int(s.BaseStationCount)) +
             " базовых станциях — диалог базовых станций дает " +
             (boards
                  ? std::to_string(int(boards->central)) + " и " + std::to_string(int(boards->line))
                  : std::string("другое")));
    }
    const bool mfu = saved.main.MFUCheck.checked;
    ConfigState withLimits;
    withLimits.limits = limits.state.limits;
    withLimits.config = s;
    const SystemLimits& l = limits.state.limits;
    if (CountBoards(withLimits, mfu) > l.MaxBoards) {
        Fail("плат " + std::to_string(int(CountBoards(withLimits, mfu))) + " — больше " +
             std::to_string(int(l.MaxBoards)));
    }
    if (CountAllLines(s, mfu) > l.MaxLines) {
        Fail("линий " + std::to_string(int(CountAllLines(s, mfu))) + " — больше " +
             std::to_string(int(l.MaxLines)));
    }
    if (CountTrunkLines(s, mfu) > l.MaxTrunkLines) {
        Fail("соединительных линий " + std::to_string(int(CountTrunkLines(s, mfu))) + " — больше " +
             std::to_string(int(l.MaxTrunkLines)));
    }
}

void CheckDepth(std::string_view text) {
    // The reader recurses per level; a calculation nests four deep.
    int depth = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            at = StringEnd(text, at + 1);
        } else if (c == '{' || c == '[') {
            if (++depth > 16) Fail("файл поврежден: слишком глубокая вложенность");
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
}

}  // namespace

std::string FieldTextForFile(const std::string& text, char decimalSeparator) {
    if (decimalSeparator == '.' || !IsNumeric(text, decimalSeparator)) return text;
    std::string kept = text;
    std::replace(kept.begin(), kept.end(), decimalSeparator, '.');
    return kept;
}

std::string FieldTextToShow(const std::string& text, char decimalSeparator) {
    if (decimalSeparator == '.' || !IsNumeric(text, '.')) return text;
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', decimalSeparator);
    return shown;
}

SavedCalculation TakeSnapshot(const App& app, const std::string& date) {
    SavedCalculation saved;
    saved.program = VELTRA_VERSION;
    saved.date = date;
    saved.priceList = app.priceList;
    saved.config = app.state.config;
    saved.main = app.main;
    for (const FieldInfo& info : kFields) {
        if (!IsTelephoneField(info.id)) continue;
        std::string& text = saved.main.field(info.id).text;
        text = FieldTextForFile(text, app.decimalSeparator);
    }
    for (const CatalogueItem& item : app.catalogue) {
        if (item.ItemCalcQty == 0 && item.ItemAddQty == 0) continue;
        saved.items.push_back(
            {item.ItemCode, item.ItemName, item.ItemPrice, item.ItemCalcQty, item.ItemAddQty});
    }
    saved.calculatedTotal = app.state.results.CalcTotal;
    saved.addedTotal = app.state.results.AddTotal;
    saved.proposal = app.proposal;
    return saved;
}

namespace {

Json CalculationJson(const SavedCalculation& saved, bool withHeader) {
    Json json;
    json["format"] = kCalculationFormat;
    json["version"] = kCalculationFormatVersion;
    if (withHeader) {
        json["program"] = saved.program;
        json["date"] = saved.date;
        json["priceList"] = Json{{"name", saved.priceList.name},
                                 {"size", saved.priceList.size},
                                 {"sha256", saved.priceList.sha256}};
    }
    const Configuration& s = saved.config;
    Json configuration;
    for (const CountMember& c : kCounts) configuration[c.name] = int(s.*(c.member));
    configuration["PowerWarningShown"] = s.PowerWarningShown;
    json["configuration"] = configuration;
    json["discountPercent"] = s.QuotationDiscountPercent;

    const MainWindowModel& w = saved.main;
    Json fields;
    for (const FieldInfo& info : kFields) {
        const TextBox& field = w.field(info.id);
        fields[info.name] = Json{{"text", field.text}, {"colour", ColourName(field.background)}};
    }
    json["fields"] = fields;
    json["checkBoxes"] = Json{{"MFUCheck", CheckBoxJson(w.MFUCheck)},
                              {"OnlyStationMDFCheck", CheckBoxJson(w.OnlyStationMDFCheck)}};
    json["dropDowns"] =
        Json{{"MFU_Flash", ComboJson(w.MFU_Flash)}, {"Combo1", ComboJson(w.Combo1)}};
    Json groups;
    for (const GroupMember& g : kGroups) {
        const OptionGroup& group = w.*(g.member);
        Json enabled = Json::array();
        for (const OptionButton& button : group.buttons) enabled.push_back(button.enabled);
        groups[g.name] = Json{{"selected", group.Selected()}, {"enabled", enabled}};
    }
    json["optionGroups"] = groups;
    json["frames"] = Json{{"PowerAccFrame", w.PowerAccFrameEnabled},
                          {"ArrestorsFrame", w.ArrestorsFrameEnabled}};

    Json items = Json::array();
    for (const SavedItem& item : saved.items) {
        items.push_back(Json{{"code", item.code},
                             {"name", item.name},
                             {"price", MoneyText(item.price)},
                             {"calculated", int(item.calculated)},
                             {"added", int(item.added)}});
    }
    json["items"] = items;
    json["totals"] = Json{{"calculated", MoneyText(saved.calculatedTotal)},
                          {"added", MoneyText(saved.addedTotal)}};
    json["proposal"] = ProposalJson(saved.proposal);
    return json;
}

}  // namespace

std::string CalculationText(const SavedCalculation& saved, bool withHeader) {
    // Texts the program wrote are UTF-8; anything else is kept readable
    // rather than refused.
    std::string text =
        CalculationJson(saved, withHeader).dump(2, ' ', false, Json::error_handler_t::replace);
    if (withHeader && !saved.revisions.empty()) {
        // Each revision on a line of its own: they never change once issued.
        text.pop_back();  // "}"
        text.pop_back();  // "\n"
        text += ",\n  \"revisions\": [";
        for (size_t i = 0; i < saved.revisions.size(); ++i)
            text += (i ? ",\n    " : "\n    ") + RevisionLine(saved.revisions[i]);
        text += "\n  ]\n}";
    }
    return text + "\n";
}

std::string FrozenCalculationText(const SavedCalculation& saved) {
    return CalculationJson(saved, true).dump(-1, ' ', false, Json::error_handler_t::replace);
}

SavedCalculation ReadCalculation(std::string_view text, const App& app) {
    CheckDepth(text);
    Json json;
    try {
        json = ParseJson(text);
    } catch (const Json::parse_error& error) {
        Fail("файл поврежден или обрезан (байт " + std::to_string(error.byte) + ")");
    } catch (const Json::out_of_range&) {
        // A number beyond a double, such as 1e999, is no parse error to the reader.
        Fail("файл поврежден: число вне пределов");
    }
    return ReadCalculationJson(json, app, false, text);
}

SavedCalculation ReadCalculationJson(const Json& json, const App& app, bool frozen,
                                     std::string_view text, DerivedQuantitiesMemo* memo) {
    if (!json.is_object() || !json.contains("format") || json.at("format") != kCalculationFormat)
        Fail("это не файл расчета Veltra");
    const long long version = Integer(json, "version", 1, 1'000'000);
    if (version > kCalculationFormatVersion) {
        Fail("файл записан более новой версией программы (формат " + std::to_string(version) +
             ", эта версия читает формат " + std::to_string(kCalculationFormatVersion) + ")");
    }

    SavedCalculation saved;
    saved.program = String(json, "program");
    saved.date = String(json, "date");
    const Json& list = Object(json, "priceList");
    saved.priceList.name = String(list, "name", "priceList.");
    saved.priceList.size = uint64_t(Integer(list, "size", 0, 1'000'000'000'000, "priceList."));
    saved.priceList.sha256 = String(list, "sha256", "priceList.");

    const Json& configuration = Object(json, "configuration");
    for (const CountMember& c : kCounts) {
        saved.config.*(c.member) =
            Count(Integer(configuration, c.name, 0, 32767, "configuration."));
    }
    Configuration& s = saved.config;
    if (s.E1Boards > kMaxE1Boards) Fail("плат E1 больше " + std::to_string(kMaxE1Boards));
    if (s.IccuBoards > 1) Fail("плат IC-CU больше одной");
    if (s.BaseStationCount > kMaxBaseStations)
        Fail("базовых станций больше " + std::to_string(kMaxBaseStations));
    if (s.HandsetCount > kMaxHandsets)
        Fail("мобильных аппаратов больше " + std::to_string(kMaxHandsets));
    if (s.FecuChosenLevel > kFecuLevels) Fail("уровень сетевого ПО вне списка");
    if (s.FecuModule >= kFecuModules) Fail("модуль FECU вне списка");
    s.PowerWarningShown = Boolean(configuration, "PowerWarningShown", "configuration.");

    const Json& discount = Member(json, "discountPercent", "");
    if (!discount.is_number() || !std::isfinite(discount.get<double>()) ||
        discount.get<double>() < -kMaxMarkupPercent || discount.get<double>() > kMaxDiscountPercent)
        Fail("«discountPercent» — не скидка от 0 до 100 и не наценка до 1000 %");
    s.QuotationDiscountPercent = discount.get<double>();

    MainWindowModel& w = saved.main;
    const Json& fields = Object(json, "fields");
    for (const FieldInfo& info : kFields) {
        const Json& field = Object(fields, info.name, "fields.");
        const std::string where = std::string("fields.") + info.name + ".";
        w.field(info.id).text = ReadFieldText(info, String(field, "text", where));
        w.field(info.id).background = ColourValue(field, where);
    }
    const Json& boxes = Object(json, "checkBoxes");
    ReadCheckBox(boxes, "MFUCheck", w.MFUCheck);
    ReadCheckBox(boxes, "OnlyStationMDFCheck", w.OnlyStationMDFCheck);
    const Json& combos = Object(json, "dropDowns");
    ReadCombo(combos, "MFU_Flash", w.MFU_Flash);
    ReadCombo(combos, "Combo1", w.Combo1);
    const Json& groups = Object(json, "optionGroups");
    for (const GroupMember& g : kGroups) ReadGroup(groups, g.name, w.*(g.member));
    const Json& frames = Object(json, "frames");
    w.PowerAccFrameEnabled = Boolean(frames, "PowerAccFrame", "frames.");
    w.ArrestorsFrameEnabled = Boolean(frames, "ArrestorsFrame", "frames.");

    const Json& items = Member(json, "items", "");
    if (!items.is_array()) Fail("«items» — не список");
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string where = "items[" + std::to_string(i) + "].";
        if (!items[i].is_object()) Fail("«" + where + "» — не позиция");
        SavedItem item;
        item.code = String(items[i], "code", where);
        if (item.code.empty()) Fail("«" + where + "code» пуст");
        item.name = String(items[i], "name", where);
        item.price = MoneyValue(items[i], "price", where);
        if (item.price > kMaxPrice) Fail("«" + where + "price» больше допустимой цены");
        item.calculated = Count(Integer(items[i], "calculated", 0, 32767, where));
        item.added = Count(Integer(items[i], "added", 0, 9999, where));
        saved.items.push_back(std::move(item));
    }
    const Json& totals = Object(json, "totals");
    saved.calculatedTotal = MoneyValue(totals, "calculated", "totals.");
    saved.addedTotal = MoneyValue(totals, "added", "totals.");
    if (version >= 2) saved.proposal = ReadProposalJson(Member(json, "proposal", ""));

    CheckCounts(saved, app);
    CheckFields(saved);
    std::optional<DerivedQuantitiesMemo> own;
    if (!memo) memo = &own.emplace();
    CheckSavedItems(saved, app, memo);
    if (const auto revisions = json.find("revisions"); revisions != json.end()) {
        if (frozen) Fail("расчет редакции сам содержит редакции");
        saved.revisions = ReadRevisions(*revisions, app, text, memo);
    }
    return saved;
}

}  // namespace veltra
