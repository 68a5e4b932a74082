#pragma once
// The dialog "Реквизиты продавца" (menu "Файл"): the seller's details that
// every proposal of this machine carries, its logo, and the defaults a new
// proposal starts with. "ОК" checks every entry and stores them in
// App::seller; the main window keeps them with the program's settings.

#include <array>
#include <string>
#include <vector>

#include "proposal_dialog.h"
#include "seller_rules.h"

namespace veltra {

struct SellerDialog {
    std::string title = "Реквизиты продавца";
    std::array<DialogEntry, kSellerFieldCount> entries;
    VatMode vatMode = VatMode::Included;
    std::vector<std::string> offeredVatRates;  // "22", "20", …
    std::vector<std::string> vatModes;         // captions by VatMode
    std::array<std::string, 4> frames = {"Продавец", "Подпись", "Логотип",
                                         "Новые предложения: по умолчанию"};
    std::string logoLabel = "Рисунок PNG или JPEG в шапке предложения:";
    std::string logoPath;     // "" for none
    std::string logoCaption;  // the file's name, or "не выбран"
    std::string numberSample;  // "Номер следующего предложения: КП-2026-0042"
    int year = 0;              // of the sample number
    DialogButton ok{"ОК"};
    DialogButton cancel{"Отмена"};
    DialogButton chooseLogo{"Выбрать…"};
    DialogButton clearLogo{"Убрать"};
    DialogButton help{"?"};

    SellerField focus = SellerField::Organisation;  // a refused entry
    bool closed = false;

    DialogEntry& entry(SellerField field) { return entries[size_t(field)]; }
    const DialogEntry& entry(SellerField field) const { return entries[size_t(field)]; }
};

// The seller's details as the entries show them; changes nothing.
SellerDialog OpenSellerDialog(const App& app, CalendarDate today);

void SetSellerDialogText(SellerDialog& dialog, SellerField field, const std::string& text);
void SelectSellerVatMode(SellerDialog& dialog, VatMode mode);
// A file chosen in the file dialog: a PNG or JPEG picture becomes the logo;
// anything else is told in a message and the logo stays.
void ChooseSellerLogo(App& app, SellerDialog& dialog, const std::string& path);
void ClearSellerLogo(SellerDialog& dialog);

// Every entry read and checked; nullopt with the first problem otherwise.
std::optional<SellerDetails> ReadSellerDialog(const SellerDialog& dialog, SellerProblem& problem);
// "ОК": stores the details and closes; a refused entry is told in a message
// and gets the focus, the dialog stays open.
void ConfirmSeller(App& app, SellerDialog& dialog);
// "Отмена" and the window's close control: nothing is stored.
void CancelSeller(SellerDialog& dialog);
void SellerHelp_Click(App& app);

}  // namespace veltra
