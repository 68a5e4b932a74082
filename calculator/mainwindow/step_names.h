#pragma once
// What the menu "Правка" calls each step ("Отменить: Цифровые АЛ"): the
// caption the main window shows beside or on the control that made it.

#include <string>

#include "field_buttons.h"
#include "handling/main_window_inputs.h"
#include "state/app.h"

namespace veltra {

inline constexpr const char* kNewCalculationStep = "Новый расчет";
inline constexpr const char* kDeleteAllStep = "Удалить все";
inline constexpr const char* kDiscountStep = "Скидка / наценка";
inline constexpr const char* kProposalStep = "Коммерческое предложение";
inline constexpr const char* kCombo1Step = "Автоподсчет по схеме";
inline constexpr const char* kMfuFlashStep = "Речевые функции MFU";

// The field's label: its dialog, keypad or the program writing it.
std::string FieldStepName(FieldId id);
// A field button's field; "" for a help button.
std::string ButtonStepName(const FieldButton& button);
// The option group's caption, or its page's where it has none.
std::string OptionStepName(OptionGroupId id);
// A hand-added quantity: the entry's name, long ones shortened.
std::string ItemStepName(const App& app, const std::string& key);

}  // namespace veltra
