#pragma once
// Renders a ProposalDialog: the customer, the proposal's number and dates,
// the currency and VAT on the left, the terms on the right, and forwards
// every edit and button to the model.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <vector>

#include "detail_entry_view.h"
#include "dialogs/dialog_help.h"
#include "dialogs/proposal_dialog.h"
#include "widgets/model_dialog.h"

namespace veltra {

class ProposalDialogView : public ModelDialog<ProposalDialog> {
  public:
    ProposalDialogView(App& app, ProposalDialog& model, QWidget* parent);

    const DetailEntryView& Entry(ProposalField field) const { return entries_[size_t(field)]; }
    QRadioButton* Currency(ProposalCurrency currency) const {
        return currencies_[size_t(currency)];
    }
    QComboBox* VatModeBox() const { return vatMode_; }
    QCheckBox* CabinetPageBox() const { return cabinetPage_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* PdfButton() const { return pdf_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* HelpButton() const { return help_; }
    void Render() override;

  protected:
    void CloseModel() override { CancelProposal(model_); }

  private:
    void Confirm(ProposalDialogResult made);
    QWidget* BuildLeft();
    QWidget* BuildTerms();

    std::vector<DetailEntryView> entries_;
    std::array<QRadioButton*, 2> currencies_{};
    QComboBox* vatMode_ = nullptr;
    QCheckBox* cabinetPage_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};

// Opens the dialog over `parent` on the calculation's details, modally;
// which button closed it.
ProposalDialogResult ShowProposalDialog(App& app, QWidget* parent);

}  // namespace veltra
