#include "seller_dialog.h"

#include <filesystem>

namespace veltra {

namespace {

void ShowNumberSample(SellerDialog& dialog) {
    SellerDetails sample;
    const bool valid =
        SetSellerText(sample, SellerField::NumberPrefix,
                      dialog.entry(SellerField::NumberPrefix).text)
            .empty() &&
        SetSellerText(sample, SellerField::NextNumber, dialog.entry(SellerField::NextNumber).text)
            .empty();
    dialog.numberSample =
        valid ? "Номер следующего предложения: " + OfferedNumber(sample, dialog.year) : "";
}

void ShowLogo(SellerDialog& dialog) {
    dialog.logoCaption = dialog.logoPath.empty()
                             ? "не выбран"
                             : std::filesystem::path(dialog.logoPath).filename().string();
    dialog.clearLogo.enabled = !dialog.logoPath.empty();
}

}  // namespace

SellerDialog OpenSellerDialog(const App& app, CalendarDate today) {
    SellerDialog dialog;
    for (size_t i = 0; i < kSellerFieldCount; ++i)
        dialog.entries[i].text = SellerText(app.seller, SellerField(i));
    for (const int rate : kOfferedVatRates) dialog.offeredVatRates.push_back(std::to_string(rate));
    for (VatMode mode : {VatMode::Included, VatMode::OnTop, VatMode::None})
        dialog.vatModes.push_back(VatModeCaption(mode));
    dialog.year = today.year;
    dialog.logoPath = app.seller.logoPath;
    SelectSellerVatMode(dialog, app.seller.vatMode);
    ShowNumberSample(dialog);
    ShowLogo(dialog);
    return dialog;
}

void SetSellerDialogText(SellerDialog& dialog, SellerField field, const std::string& text) {
    dialog.entry(field).text = text;
    ShowNumberSample(dialog);
}

void SelectSellerVatMode(SellerDialog& dialog, VatMode mode) {
    dialog.vatMode = mode;
    dialog.entry(SellerField::VatRate).enabled = mode != VatMode::None;
    dialog.entry(SellerField::VatReason).enabled = mode == VatMode::None;
}

void ChooseSellerLogo(App& app, SellerDialog& dialog, const std::string& path) {
    const std::string problem = LogoProblem(path);
    if (!problem.empty()) {
        app.platform.ShowMessage(problem + " Логотип — рисунок PNG или JPEG.", kAppTitle,
                                 MessageIcon::Exclamation);
        return;
    }
    dialog.logoPath = path;
    ShowLogo(dialog);
}

void ClearSellerLogo(SellerDialog& dialog) {
    dialog.logoPath.clear();
    ShowLogo(dialog);
}

std::optional<SellerDetails> ReadSellerDialog(const SellerDialog& dialog, SellerProblem& problem) {
    SellerDetails seller;
    seller.vatMode = dialog.vatMode;
    for (size_t i = 0; i < kSellerFieldCount; ++i) {
        const auto field = SellerField(i);
        std::string message = SetSellerText(seller, field, dialog.entry(field).text);
        // A default the chosen VAT mode does not use is kept when it reads.
        if (!message.empty() && dialog.entry(field).enabled) {
            problem = {field, std::move(message)};
            return std::nullopt;
        }
    }
    if (auto fault = CheckSeller(seller)) {
        problem = std::move(*fault);
        return std::nullopt;
    }
    seller.logoPath = dialog.logoPath;
    return seller;
}

void ConfirmSeller(App& app, SellerDialog& dialog) {
    SellerProblem problem;
    const auto seller = ReadSellerDialog(dialog, problem);
    if (!seller) {
        dialog.focus = problem.field;
        app.platform.ShowMessage(problem.message, kAppTitle, MessageIcon::Exclamation);
        return;
    }
    app.seller = *seller;
    dialog.closed = true;
}

void CancelSeller(SellerDialog& dialog) {
    dialog.closed = true;
}

void SellerHelp_Click(App& app) {
    ShowHelp(app, std::string(kProposalHelpTarget));
}

}  // namespace veltra
