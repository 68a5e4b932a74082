#pragma once
// Renders a SellerDialog: the seller, the signer and the logo on the left,
// the defaults of new proposals on the right, and forwards every edit and
// button to the model. The logo is chosen with the desktop's file dialog.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "detail_entry_view.h"
#include "dialogs/dialog_help.h"
#include "dialogs/seller_dialog.h"
#include "widgets/model_dialog.h"

namespace veltra {

class SellerDialogView : public ModelDialog<SellerDialog> {
  public:
    SellerDialogView(App& app, SellerDialog& model, QWidget* parent);

    const DetailEntryView& Entry(SellerField field) const { return entries_[size_t(field)]; }
    QComboBox* VatModeBox() const { return vatMode_; }
    QLabel* LogoLabel() const { return logo_; }
    QLabel* NumberSample() const { return sample_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ChooseLogoButton() const { return chooseLogo_; }
    QPushButton* ClearLogoButton() const { return clearLogo_; }
    QPushButton* HelpButton() const { return help_; }
    // The file the logo's file dialog returned, as if chosen there.
    void LogoChosen(const QString& path);
    void Render() override;

  protected:
    void CloseModel() override { CancelSeller(model_); }

  private:
    void ChooseLogo();
    QWidget* BuildSeller();
    QWidget* BuildDefaults();

    std::vector<DetailEntryView> entries_;
    QComboBox* vatMode_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* sample_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* chooseLogo_ = nullptr;
    QPushButton* clearLogo_ = nullptr;
    QPushButton* help_ = nullptr;
};

// Opens the dialog over `parent` on App::seller, modally; true when "ОК"
// stored new details.
bool ShowSellerDialog(App& app, QWidget* parent);

}  // namespace veltra
