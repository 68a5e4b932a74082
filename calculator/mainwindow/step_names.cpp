#include "step_names.h"

namespace veltra {

namespace {

constexpr size_t kLongestItemName = 40;  // characters, so that the menu stays narrow

}  // namespace

std::string FieldStepName(FieldId id) {
    return InfoOf(id).label;
}

std::string ButtonStepName(const FieldButton& button) {
    const FieldInfo* field = button.field ? FindField(button.field) : nullptr;
    return field ? field->label : "";
}

std::string OptionStepName(OptionGroupId id) {
    switch (id) {
        case OptionGroupId::PowerStandard:
            return "Электропитание";
        case OptionGroupId::PowerAcc:
            return "Аккумуляторное резервирование";
        case OptionGroupId::MDFBox:
            return "Кроссовое оборудование";
        case OptionGroupId::MDFOpenCable:
            return "Открытый кроссовый кабель";
        case OptionGroupId::Arrestor:
            return "Грозозащита (защита от перенапряжений)";
    }
    return "";
}

std::string ItemStepName(const App& app, const std::string& key) {
    const int index = ItemIndexFromKey(key);
    if (index < 0 || size_t(index) >= app.catalogue.size()) return "Дополнительно";
    const std::string& name = app.catalogue[size_t(index)].ItemName;
    // Counted in UTF-8 characters, cut before one.
    size_t characters = 0, at = 0;
    for (; at < name.size(); ++at) {
        if ((static_cast<unsigned char>(name[at]) & 0xC0) == 0x80) continue;
        if (++characters > kLongestItemName) break;
    }
    return at < name.size() ? name.substr(0, at) + "\u2026" : name;
}

}  // namespace veltra
