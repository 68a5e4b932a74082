// Saves pictures of every page of the main window, the About box and the
// power message, for looking at. Run it under a display:
//   veltra_screenshots OUTDIR
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabBar>

#include "dialogs/qt/proposal_dialog_view.h"
#include "dialogs/qt/seller_dialog_view.h"
#include "mainwindow/qt/about_form.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/qt/power_msg.h"
#include "screenshot_support.h"

namespace {

using veltra::testing::Save;
using veltra::testing::Settle;

}  // namespace

int main(int argc, char** argv) {
    veltra::testing::ScreenshotSession session(argc, argv);
    const QDir& dir = session.dir;
    veltra::App& app = session.app;
    veltra::MainForm window(app);
    window.show();

    // A configuration worth looking at: a multi-function board and telephones.
    window.findChild<QCheckBox*>("MFUCheck")->click();
    window.findChild<QLineEdit*>("EconomyText")->setText("4");
    window.findChild<QLineEdit*>("OperatorText")->setText("1");
    app.catalogue[size_t(veltra::FindItem(app.catalogue, "BDV 113 08"))].ItemAddQty = 1;

    auto* tabs = window.findChild<QTabBar*>("TabStrip1");
    const char* const kPages[] = {"1-al",    "2-sl",    "3-dect",   "4-power",
                                  "5-frame", "6-extra", "7-reports"};
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        Save(&window, dir, QString("page") + kPages[i]);
    }

    tabs->setCurrentIndex(5);
    veltra::testing::ClickFirstCabinet(window);
    Save(&window, dir, "page6-extra-selected");
    window.findChild<QTabBar*>("TabStrip2")->setCurrentIndex(1);
    Save(&window, dir, "page6-extra-added");
    tabs->setCurrentIndex(6);
    window.findChild<QTabBar*>("TabStrip3")->setCurrentIndex(1);
    Save(&window, dir, "page7-reports-text");

    // The overload icon in the status bar.
    tabs->setCurrentIndex(0);
    window.findChild<QLineEdit*>("BasicText")->setText("300");
    window.findChild<QLineEdit*>("EconomyText")->setText("300");
    Save(&window, dir, "overload");

    veltra::AboutForm about(app, veltra::AboutForm::Mode::Modal);
    about.show();
    Save(&about, dir, "about");
    veltra::AboutForm splash(app, veltra::AboutForm::Mode::Splash);
    splash.show();
    Save(&splash, dir, "about-splash");
    veltra::PowerMsg power;
    power.show();
    Save(&power, dir, "power-message");

    // The proposal's dialogs, filled in as a dealer would.
    app.seller.organisation = "ООО «Связь-Сервис»";
    app.seller.innKpp = "ИНН 7701234567 / КПП 770101001";
    app.seller.address = "125009, Москва, ул. Тверская, д. 7, офис 12";
    app.seller.telephone = "+7 495 123-45-67";
    app.seller.email = "sales@svyaz-service.ru";
    app.seller.bankDetails = "р/с 40702810900000012345 в ПАО «Банк»\nБИК 044525225";
    app.seller.signerPosition = "Коммерческий директор";
    app.seller.signerName = "Петров П. П.";
    app.seller.nextNumber = 42;
    app.seller.paymentTerms = "100 % предоплата по счету";
    veltra::SellerDialog seller = veltra::OpenSellerDialog(app, {2026, 12, 9});
    veltra::SellerDialogView sellerView(app, seller, nullptr);
    sellerView.show();
    Save(&sellerView, dir, "seller-dialog");
    veltra::ProposalDialog proposal = veltra::OpenProposalDialog(app, {2026, 12, 9});
    using veltra::ProposalField;
    veltra::SetProposalText(proposal, ProposalField::Customer, "АО «Ромашка»");
    veltra::SetProposalText(proposal, ProposalField::Contact, "Иванов Иван Иванович");
    veltra::SelectProposalCurrency(proposal, veltra::ProposalCurrency::RUB);
    veltra::SetProposalText(proposal, ProposalField::Rate, "95,50");
    veltra::SetProposalText(proposal, ProposalField::RateDate, "09.12.2026");
    veltra::SetProposalText(proposal, ProposalField::Markup, "2");
    veltra::SelectProposalVatMode(proposal, veltra::VatMode::OnTop);
    veltra::ProposalDialogView proposalView(app, proposal, nullptr);
    proposalView.show();
    Save(&proposalView, dir, "proposal-dialog");
    return 0;
}
