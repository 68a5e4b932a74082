#include "main_window_model.h"

#include "main_form_layout.h"

namespace veltra {

const std::array<FieldInfo, kFieldCount> kFields = {{
    {FieldId::AnalogExtText, "AnalogExtText", "АЛ", "Аналоговые АЛ", nullptr},
    {FieldId::DigitalExtText, "DigitalExtText", "АЛ", "Цифровые АЛ", nullptr},
    {FieldId::BasicText, "BasicText", "АЛ", "Basic (DBC 210)", kTelephoneCodes[0]},
    {FieldId::EconomyText, "EconomyText", "АЛ", "Economy+ (DBC 211)", kTelephoneCodes[1]},
    {FieldId::StandardText, "StandardText", "АЛ", "Standard (DBC 212)", kTelephoneCodes[2]},
    {FieldId::ExecutiveText, "ExecutiveText", "АЛ", "Executive (DBC 213)", kTelephoneCodes[3]},
    {FieldId::OperatorText, "OperatorText", "АЛ", "Operator (DBC 214)", kTelephoneCodes[4]},
    {FieldId::Dss1Text, "Dss1Text", "АЛ", "Консоль 1 тип", kTelephoneCodes[5]},
    {FieldId::Dss2Text, "Dss2Text", "АЛ", "Консоль 2 тип", kTelephoneCodes[6]},
    {FieldId::AnTrunkText, "AnTrunkText", "СЛ", "Аналоговые  2х-пр СЛ", nullptr},
    {FieldId::E1TrunkText, "E1TrunkText", "СЛ", "Цифровые потоки Е1", nullptr},
    {FieldId::BRITrunkText, "BRITrunkText", "СЛ", "BRI интерфейсы (S/T/Q)x2", nullptr},
    {FieldId::FecuText, "FecuText", "СЛ", "Модули FECU", nullptr},
    {FieldId::IPUText, "IPUText", "СЛ", "IP-телефония (VoIP)", nullptr},
    {FieldId::BSText, "BSText", "DECT", "Базовые станции", nullptr},
    {FieldId::MobileText, "MobileText", "DECT", "Мобильные аппараты", nullptr},
}};

const FieldInfo& InfoOf(FieldId id) {
    return kFields[size_t(id)];
}

const FieldInfo* FindField(std::string_view name) {
    for (const FieldInfo& info : kFields) {
        if (name == info.name) return &info;
    }
    return nullptr;
}

bool IsTelephoneField(FieldId id) {
    return InfoOf(id).phoneCode != nullptr;
}

namespace {

OptionGroup MakeGroup(std::string name, int firstIndex, std::vector<std::string> captions,
                      int selected, bool enabled = true) {
    OptionGroup group{std::move(name), firstIndex, {}};
    for (auto& caption : captions) {
        const int index = firstIndex + int(group.buttons.size());
        group.buttons.push_back(
            {ArrayName(group.name, index), std::move(caption), false, enabled, {}});
    }
    group.at(selected).selected = true;
    return group;
}

}  // namespace

MainWindowModel::MainWindowModel() {
    for (const FieldInfo& info : kFields)
        field(info.id) = {info.name, "0", Background::ButtonFace, {}};
    field(FieldId::FecuText).text = "Нет";
    MFUCheck = {"Применить плату MFU", false, true};
    MFU_Flash = {{"Без речевых функций", "8 Mb Flash - 34 мин", "16 Mb Flash - 1 ч 08 мин",
                  "32 Mb Flash - 2 ч 17 мин", "48 Mb Flash - 3 ч 25 мин"},
                 0,
                 false,
                 Background::ButtonFace};
    Combo1 = {{"Нет", "Минимальный", "Оптимальный", "Максимальный"}, 0, true, Background::Window};
    PowerStandard = MakeGroup(
        "PowerStandard", 0,
        {"Трансформаторный ~220V/ ~36", "Стандартный импульсный ~220V/ =48V", "Внешнее =48V"}, 0);
    PowerAcc = MakeGroup("PowerAcc", 0, {"Не применяется", "Стандартное 4 х 17 Ач"}, 0, false);
    PowerAccFrameEnabled = false;
    OnlyStationMDFCheck = {"Расчет только станционной части кросса", true, true};
    Arrestor = MakeGroup("Arrestor", 1, {"На аналоговые 2-х проводные СЛ", "Не применять"}, 2);
    ArrestorsFrameEnabled = true;
    MDFBox = MakeGroup("MDFBox", 0,
                       {"Открытый кросс", "Бокс(ы) на 10 плинтов (80/100 пар)", "Не применять"}, 1);
    MDFOpenCable = MakeGroup("MDFOpenCable", 0, {"5 м", "15 м"}, 0);
}

}  // namespace veltra
