#include "proposal_dialog.h"

#include <utility>

#include "catalogue/number_text.h"
#include "state/calendar_date_input.h"

namespace veltra {

namespace {

std::string Quoted(const std::string& text) {
    return "\u00AB" + text + "\u00BB";
}

std::string Trimmed(const std::string& text) {
    return std::string(TrimBlanks(text));
}

std::string DateFormatHint() {
    return "введите ее в виде ДД.ММ.ГГГГ, например 09.12.2026.";
}

// A date entry's value; a missing or impossible date is a problem.
bool ReadDate(const ProposalDialog& dialog, ProposalField field, CalendarDate& date,
              ProposalProblem& problem) {
    const std::string text = Trimmed(dialog.entry(field).text);
    const std::string label = Quoted(InfoOf(field).label);
    if (text.empty()) {
        problem = {field, "Поле " + label + " не заполнено: " + DateFormatHint()};
        return false;
    }
    const auto parsed = ParseTypedDate(text);
    if (!parsed) {
        problem = {field,
                   "Поле " + label + ": " + Quoted(text) + " — не дата; " + DateFormatHint()};
        return false;
    }
    date = *parsed;
    return true;
}

std::optional<int> ParseVatRate(std::string text) {
    text = Trimmed(text);
    if (!text.empty() && text.back() == '%') text = Trimmed(text.substr(0, text.size() - 1));
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

void EnableByChoice(ProposalDialog& dialog) {
    const bool rub = dialog.currency == ProposalCurrency::RUB;
    for (ProposalField field :
         {ProposalField::Rate, ProposalField::RateDate, ProposalField::Markup})
        dialog.entry(field).enabled = rub;
    dialog.entry(ProposalField::VatRate).enabled = dialog.vatMode != VatMode::None;
    dialog.entry(ProposalField::VatReason).enabled = dialog.vatMode == VatMode::None;
}

}  // namespace

std::string RateText(Money rate, char decimalSeparator) {
    return rate == Money() ? "" : rate.RegionalText(decimalSeparator);
}

std::optional<Money> ParseTypedMoney(std::string_view text, char decimalSeparator) {
    std::string typed(TrimBlanks(text));
    for (char& c : typed) {
        if (c == ',' || c == '.') c = decimalSeparator;
    }
    // An exponent is no way to type a rate.
    if (typed.find_first_of("eE") != std::string::npos) return std::nullopt;
    return Money::Parse(typed, decimalSeparator);
}

ProposalDialog OpenProposalDialog(const App& app, CalendarDate today) {
    ProposalDialog dialog;
    const SellerDetails& seller = app.seller;
    const bool confirmed = IsDateSet(app.proposal.date);
    const ProposalDetails d =
        confirmed ? app.proposal : NewProposalDetails(app.proposal, seller, today);
    if (!confirmed && app.proposal.number.empty()) dialog.offeredNumber = d.number;
    dialog.numberPrefix = seller.numberPrefix;
    dialog.nextNumber = seller.nextNumber;
    dialog.validityDays = seller.validityDays;
    dialog.followedDate = d.date;
    dialog.decimalSeparator = app.decimalSeparator;

    const char sep = app.decimalSeparator;
    const std::pair<ProposalField, std::string> texts[] = {
        {ProposalField::Customer, d.customerOrganisation},
        {ProposalField::Contact, d.customerContact},
        {ProposalField::Reach, d.customerReach},
        {ProposalField::Number, d.number},
        {ProposalField::Date, TypedDateText(d.date)},
        {ProposalField::ValidUntil, TypedDateText(d.validUntil)},
        {ProposalField::Rate, RateText(d.rate, sep)},
        {ProposalField::RateDate, TypedDateText(d.rateDate)},
        {ProposalField::Markup, RateText(d.rateMarkupPercent, sep)},
        {ProposalField::VatRate, std::to_string(d.vatRate)},
        {ProposalField::VatReason, d.vatExemptReason},
        {ProposalField::Payment, d.paymentTerms},
        {ProposalField::Delivery, d.deliveryTerms},
        {ProposalField::Warranty, d.warranty},
        {ProposalField::Note, d.note},
    };
    for (const auto& [field, text] : texts) dialog.entry(field).text = text;
    for (const int rate : kOfferedVatRates) dialog.offeredVatRates.push_back(std::to_string(rate));
    for (VatMode mode : {VatMode::Included, VatMode::OnTop, VatMode::None})
        dialog.vatModes.push_back(VatModeCaption(mode));
    dialog.currency = d.currency;
    dialog.vatMode = d.vatMode;
    dialog.cabinetPage.checked = d.cabinetPage;
    EnableByChoice(dialog);
    return dialog;
}

void SetProposalText(ProposalDialog& dialog, ProposalField field, const std::string& text) {
    DialogEntry& entry = dialog.entry(field);
    if (entry.text == text) return;
    entry.text = text;
    if (field != ProposalField::Date) return;
    // Typed a digit at a time, a date is no date until its year is complete.
    const auto after = ParseTypedDate(text);
    if (!after) return;
    const CalendarDate before = std::exchange(dialog.followedDate, *after);
    std::string& number = dialog.entry(ProposalField::Number).text;
    if (!dialog.offeredNumber.empty() && number == dialog.offeredNumber) {
        dialog.offeredNumber = ProposalNumber(dialog.numberPrefix, after->year, dialog.nextNumber);
        number = dialog.offeredNumber;
    }
    std::string& validUntil = dialog.entry(ProposalField::ValidUntil).text;
    if (validUntil == TypedDateText(AddDays(before, dialog.validityDays)))
        validUntil = TypedDateText(AddDays(*after, dialog.validityDays));
}

void SelectProposalCurrency(ProposalDialog& dialog, ProposalCurrency currency) {
    dialog.currency = currency;
    EnableByChoice(dialog);
}

void SelectProposalVatMode(ProposalDialog& dialog, VatMode mode) {
    dialog.vatMode = mode;
    EnableByChoice(dialog);
}

void SetProposalCabinetPage(ProposalDialog& dialog, bool on) {
    dialog.cabinetPage.checked = on;
}

std::optional<ProposalDetails> ReadProposalDialog(const ProposalDialog& dialog,
                                                  ProposalProblem& problem) {
    // Dates and numbers are read below, and say what they must be.
    for (ProposalField field :
         {ProposalField::Customer, ProposalField::Contact, ProposalField::Reach,
          ProposalField::Number, ProposalField::VatReason, ProposalField::Payment,
          ProposalField::Delivery, ProposalField::Warranty, ProposalField::Note}) {
        if (!dialog.entry(field).enabled) continue;
        std::string message = TextProblem(dialog.entry(field).text, InfoOf(field));
        if (!message.empty()) {
            problem = {field, std::move(message)};
            return std::nullopt;
        }
    }
    const auto text = [&](ProposalField field) {
        const std::string& typed = dialog.entry(field).text;
        return InfoOf(field).lines ? typed : Trimmed(typed);
    };
    ProposalDetails d;
    d.customerOrganisation = text(ProposalField::Customer);
    d.customerContact = text(ProposalField::Contact);
    d.customerReach = text(ProposalField::Reach);
    d.number = text(ProposalField::Number);
    if (d.number.empty()) {
        problem = {ProposalField::Number,
                   "Укажите номер предложения, например " + ProposalNumber("КП", 2026, 42) + "."};
        return std::nullopt;
    }
    if (!ReadDate(dialog, ProposalField::Date, d.date, problem) ||
        !ReadDate(dialog, ProposalField::ValidUntil, d.validUntil, problem))
        return std::nullopt;

    d.currency = dialog.currency;
    if (d.currency == ProposalCurrency::RUB) {
        const auto rate = ParseTypedMoney(text(ProposalField::Rate), dialog.decimalSeparator);
        // Zero and the bounds are the common check's.
        if (!rate) {
            problem = {ProposalField::Rate,
                       "Курс — положительное число рублей за доллар, например 95,50."};
            return std::nullopt;
        }
        d.rate = *rate;
        if (!ReadDate(dialog, ProposalField::RateDate, d.rateDate, problem)) return std::nullopt;
        const std::string markup = text(ProposalField::Markup);
        const auto percent =
            markup.empty() ? Money() : ParseTypedMoney(markup, dialog.decimalSeparator);
        if (!percent) {
            problem = {ProposalField::Markup,
                       "Надбавка к курсу — число процентов от 0 до 100 (пусто — без надбавки)."};
            return std::nullopt;
        }
        d.rateMarkupPercent = *percent;
    }

    d.vatMode = dialog.vatMode;
    const auto vatRate = ParseVatRate(dialog.entry(ProposalField::VatRate).text);
    if (!vatRate && d.vatMode != VatMode::None) {
        problem = {ProposalField::VatRate,
                   "Ставка НДС — целое число процентов от 0 до 99, например 22."};
        return std::nullopt;
    }
    d.vatRate = vatRate.value_or(kDefaultVatRate);
    if (d.vatMode == VatMode::None) d.vatExemptReason = text(ProposalField::VatReason);

    d.paymentTerms = text(ProposalField::Payment);
    d.deliveryTerms = text(ProposalField::Delivery);
    d.warranty = text(ProposalField::Warranty);
    d.note = text(ProposalField::Note);
    d.cabinetPage = dialog.cabinetPage.checked;
    if (auto fault = CheckProposal(d)) {
        problem = std::move(*fault);
        return std::nullopt;
    }
    return d;
}

void ConfirmProposal(App& app, ProposalDialog& dialog, ProposalDialogResult made) {
    ProposalProblem problem;
    const auto details = ReadProposalDialog(dialog, problem);
    if (!details) {
        dialog.focus = problem.field;
        app.platform.ShowMessage(problem.message, kAppTitle, MessageIcon::Exclamation);
        return;
    }
    if (!dialog.offeredNumber.empty() && details->number == dialog.offeredNumber)
        TakeProposalNumber(app.seller);
    app.proposal = *details;
    dialog.result = made;
    dialog.closed = true;
}

void CancelProposal(ProposalDialog& dialog) {
    dialog.result = ProposalDialogResult::Cancelled;
    dialog.closed = true;
}

void ProposalHelp_Click(App& app) {
    ShowHelp(app, kProposalHelpTarget);
}

}  // namespace veltra
