// Scenario commands for the proposal: discount, proposal FIELD VALUE and
// print proposal-details.
#include <ostream>

#include "catalogue/number_text.h"
#include "dialogs/proposal_dialog.h"
#include "mainwindow/catalogue_page.h"
#include "scenario_runner.h"
#include "state/calendar_date_input.h"

namespace veltra {

namespace {

// The details a line sets by their own name, as the dialog's entries.
constexpr ProposalField kTextFields[] = {
    ProposalField::Customer, ProposalField::Contact,  ProposalField::Reach,
    ProposalField::Number,   ProposalField::Date,     ProposalField::ValidUntil,
    ProposalField::Payment,  ProposalField::Delivery, ProposalField::Warranty,
    ProposalField::Note,
};

// "\n" in a scenario line stands for a line break, and back.
std::string Unescaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

void Discount(ScenarioRunner& r, const std::string& arguments) {
    RecordingPlatform& platform = r.platform();
    platform.inputAnswers = {arguments};
    r.Event([&] { Command4_Click(r.app()); });
    platform.inputAnswers.clear();
}

// Fills the dialog as the line says; false after an error line.
bool Fill(ScenarioRunner& r, ProposalDialog& dialog, const std::string& name,
          const std::string& value) {
    const auto words = SplitWords(value);
    if (name == "currency") {
        if (words.size() == 1 && words[0] == "USD") {
            SelectProposalCurrency(dialog, ProposalCurrency::USD);
            return true;
        }
        if ((words.size() == 3 || words.size() == 4) && words[0] == "RUB") {
            SelectProposalCurrency(dialog, ProposalCurrency::RUB);
            SetProposalText(dialog, ProposalField::Rate, words[1]);
            SetProposalText(dialog, ProposalField::RateDate, words[2]);
            SetProposalText(dialog, ProposalField::Markup, words.size() == 4 ? words[3] : "");
            return true;
        }
        r.Error("wrong arguments: proposal currency USD | RUB RATE RATE-DATE [MARKUP]");
        return false;
    }
    if (name == "vat") {
        const auto mode = words.empty() ? std::nullopt : VatModeNamed(words[0]);
        if (mode == VatMode::None && words.size() >= 2) {
            SelectProposalVatMode(dialog, VatMode::None);
            SetProposalText(dialog, ProposalField::VatReason,
                            std::string(TrimBlanks(value.substr(value.find("none") + 4))));
            return true;
        }
        if (mode && mode != VatMode::None && words.size() == 2) {
            SelectProposalVatMode(dialog, *mode);
            SetProposalText(dialog, ProposalField::VatRate, words[1]);
            return true;
        }
        r.Error("wrong arguments: proposal vat included RATE | ontop RATE | none REASON");
        return false;
    }
    if (name == "cabinet-page") {
        if (value != "0" && value != "1") {
            r.Error("wrong arguments: proposal cabinet-page 0|1");
            return false;
        }
        SetProposalCabinetPage(dialog, value == "1");
        return true;
    }
    for (const ProposalField field : kTextFields) {
        if (name == InfoOf(field).name) {
            SetProposalText(dialog, field, Unescaped(value));
            return true;
        }
    }
    r.Error("unknown name " + name);
    return false;
}

// Opens the dialog, fills one detail and presses "ОК": the dialog's own
// checks decide, and a refusal prints its message.
void Proposal(ScenarioRunner& r, const std::string& arguments) {
    const size_t blank = arguments.find(' ');
    const std::string name = arguments.substr(0, blank);
    const std::string value =
        blank == std::string::npos ? "" : std::string(TrimBlanks(arguments.substr(blank + 1)));
    if (name.empty()) return r.Error("wrong arguments: proposal FIELD VALUE");
    App& app = r.app();
    ProposalDialog dialog = OpenProposalDialog(app, LocalToday());
    if (!Fill(r, dialog, name, value)) return;
    r.Event([&] { ConfirmProposal(app, dialog, ProposalDialogResult::Saved); });
}

void PrintProposalDetails(ScenarioRunner& r) {
    const App& app = r.app();
    const ProposalDetails& d = app.proposal;
    const char sep = app.decimalSeparator;
    const auto line = [&](const char* name, const std::string& value) {
        r.out() << "proposal " << name << " |" << (value.empty() ? "" : " " + value) << '\n';
    };
    const auto date = [](CalendarDate day) {
        return IsDateSet(day) ? TypedDateText(day) : std::string("-");
    };
    line("customer", d.customerOrganisation);
    line("contact", d.customerContact);
    line("reach", d.customerReach);
    line("number", d.number);
    line("date", date(d.date));
    line("valid-until", date(d.validUntil));
    if (d.currency == ProposalCurrency::RUB) {
        line("currency", "RUB | " + d.rate.RegionalText(sep) + " | " + date(d.rateDate) + " | " +
                             d.rateMarkupPercent.RegionalText(sep));
    } else {
        line("currency", "USD");
    }
    line("vat", std::string(VatModeName(d.vatMode)) + " | " +
                    (d.vatMode == VatMode::None ? d.vatExemptReason : std::to_string(d.vatRate)));
    line("payment", Escaped(d.paymentTerms));
    line("delivery", Escaped(d.deliveryTerms));
    line("warranty", Escaped(d.warranty));
    line("note", Escaped(d.note));
    line("cabinet-page", d.cabinetPage ? "1" : "0");
    line("discount", DiscountText(app.state.config.QuotationDiscountPercent, sep));
    r.out() << "seller next-number " << app.seller.nextNumber << '\n';
}

}  // namespace

void RegisterProposalCommands(ScenarioRunner& runner) {
    runner.RegisterCommand("discount", Discount);
    runner.RegisterCommand("proposal", Proposal);
    // The page's button and the menu's dialog: refused under a modal window.
    runner.MainWindowLine("discount");
    runner.MainWindowLine("proposal");

    const auto earlierPrint = runner.FindCommand("print");
    runner.RegisterCommand("print",
                           [earlierPrint](ScenarioRunner& r, const std::string& arguments) {
                               if (arguments == "proposal-details") return PrintProposalDetails(r);
                               earlierPrint(r, arguments);
                           });
}

}  // namespace veltra
