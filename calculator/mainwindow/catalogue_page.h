#pragma once
// Page "Дополнительно": the catalogue tree, the added-items list, "Удалить
// все" and "Прайс-лист".

#include <optional>
#include <string>

#include "state/app.h"
#include "state/main_form_model.h"

namespace veltra {

// The price box's text: two decimals with the regional separator, in the
// price list's currency.
std::string PriceBoxText(Money price, char decimalSeparator);

void TreeView1_NodeClick(App& app, MainFormModel& form, const std::string& key);
void TreeView1_MouseDown(MainFormModel& form, float y);
// Where the keypad AddQty opens, or nothing for a group, an unpriced entry or
// while no node has been clicked.
std::optional<TwipsPoint> TreeView1_DblClick(const App& app, const MainFormModel& form,
                                             TwipsPoint window);

void ListView1_ItemClick(MainFormModel& form, const std::string& key);
void ListView1_MouseDown(MainFormModel& form, float y);
// Where the keypad AddListQty opens, or nothing.
std::optional<TwipsPoint> ListView1_DblClick(const App& app, const MainFormModel& form,
                                             TwipsPoint window);

// "Удалить все", also the reset's: clears every hand-added quantity, then
// the list and the totals follow.
void DelAllAddQty_Click(App& app);
// The button: the above, then the list of `form`.
void DelAllAddQty(App& app, MainFormModel& form);

// "Новый расчет": the reset, then the list it emptied.
void NewCalc_Click(App& app, MainFormModel& form);

// "Прайс-лист": asks for the quotation's discount (positive) or mark-up
// (negative) in percent. An empty answer changes nothing; one that is not a
// discount of 0 to 100 % or a mark-up of at most 1000 % is refused with
// kDiscountRangeMessage.
inline constexpr const char* kDiscountRangeMessage =
    "Скидка вводится числом от 0 до 100, наценка — числом от -1000 до 0 (в процентах).";
void Command4_Click(App& app);
std::string DiscountText(double percent, char decimalSeparator);

}  // namespace veltra
