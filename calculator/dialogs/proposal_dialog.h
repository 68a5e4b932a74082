#pragma once
// The dialog "Коммерческое предложение" (menu "Файл"): the customer, number,
// date and validity, currency, VAT and terms of the calculation's proposal.
// A proposal never confirmed opens with the seller's defaults and the number
// offered from the counter; the number and the validity follow the date while
// they are the offered ones. "ОК", "PDF…" and "Печать…" check everything and
// store it; the last two then say which document the main window makes.

#include <array>
#include <string>
#include <vector>

#include "state/app.h"
#include "state/controls.h"
#include "state/proposal_rules.h"

namespace veltra {

enum class ProposalDialogResult { Cancelled, Saved, Pdf, Print };

inline constexpr const char* kProposalHelpTarget =
    "VeltraCalculator.chm::/source/proposal_details.htm";

struct DialogEntry {
    std::string text;
    bool enabled = true;
};

struct DialogButton {
    std::string caption;
    bool enabled = true;
};

struct ProposalDialog {
    std::string title = "Коммерческое предложение";
    std::array<DialogEntry, kProposalFieldCount> entries;
    ProposalCurrency currency = ProposalCurrency::USD;
    VatMode vatMode = VatMode::Included;
    std::vector<std::string> offeredVatRates;  // "22", "20", …
    std::vector<std::string> vatModes;         // captions by VatMode
    std::array<std::string, 2> currencies = {"USD — в долларах, как в прайс-листе",
                                             "RUB — в рублях по курсу"};
    std::array<std::string, 5> frames = {"Заказчик", "Предложение", "Валюта", "НДС", "Условия"};
    CheckBox cabinetPage{.caption = "Последней страницей — картинка шкафов"};
    DialogButton ok{"ОК"};
    DialogButton pdf{"PDF…"};
    DialogButton print{"Печать…"};
    DialogButton cancel{"Отмена"};
    DialogButton help{"?"};

    // The counter's number while the proposal has none of its own, else "".
    std::string offeredNumber;
    CalendarDate followedDate;  // the date the number and validity last followed
    std::string numberPrefix;
    int nextNumber = 1;
    int validityDays = kDefaultValidityDays;
    char decimalSeparator = ',';

    ProposalField focus = ProposalField::Customer;  // a refused entry
    ProposalDialogResult result = ProposalDialogResult::Cancelled;
    bool closed = false;

    DialogEntry& entry(ProposalField field) { return entries[size_t(field)]; }
    const DialogEntry& entry(ProposalField field) const { return entries[size_t(field)]; }
};

// The calculation's details as the entries show them; changes nothing.
ProposalDialog OpenProposalDialog(const App& app, CalendarDate today);

// Typing into an entry; a new date carries the offered number's year and a
// validity of the default days along with it.
void SetProposalText(ProposalDialog& dialog, ProposalField field, const std::string& text);
void SelectProposalCurrency(ProposalDialog& dialog, ProposalCurrency currency);
void SelectProposalVatMode(ProposalDialog& dialog, VatMode mode);
void SetProposalCabinetPage(ProposalDialog& dialog, bool on);

// Every entry read and checked (CheckProposal, then: a number and both dates
// present); nullopt with the first problem otherwise.
std::optional<ProposalDetails> ReadProposalDialog(const ProposalDialog& dialog,
                                                  ProposalProblem& problem);

// "ОК", "PDF…", "Печать…": stores the details (a taken offered number moves
// the seller's counter on) and closes with `made`; a refused entry is told
// in a message and gets the focus, the dialog stays open.
void ConfirmProposal(App& app, ProposalDialog& dialog, ProposalDialogResult made);
// "Отмена" and the window's close control: nothing is stored.
void CancelProposal(ProposalDialog& dialog);
void ProposalHelp_Click(App& app);

// The texts of a rate and a mark-up as the entries show them: "" for none.
std::string RateText(Money rate, char decimalSeparator);
// A number typed with either decimal separator; nullopt when it is none.
std::optional<Money> ParseTypedMoney(std::string_view text, char decimalSeparator);

}  // namespace veltra
