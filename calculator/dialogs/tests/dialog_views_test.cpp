// The Qt views show their model and hand the pointer and clicks to it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "dialog_test_support.h"
#include "dialogs/fecu_form.h"
#include "dialogs/qt/e1_trunk_view.h"
#include "dialogs/qt/open_dialog.h"
#include "dialogs/qt/proposal_dialog_view.h"
#include "dialogs/qt/seller_dialog_view.h"
#include "dialogs/qt/variant_dialog_view.h"

namespace veltra::testing {
namespace {

void PointAt(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent event(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
}

// Types each character as a key press (a line break as Return).
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const bool line = c == QChar('\n');
        QKeyEvent press(QEvent::KeyPress, line ? Qt::Key_Return : 0, Qt::NoModifier,
                        line ? QString("\r") : QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

QStringList LabelTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

TEST(VariantDialogViewTest, ShowsTheModelAndForwardsPointerAndClick) {
    TestApp t;
    t.app.state.config.DigitalExt32Boards = 2;
    VariantDialog model = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    VariantDialogView view(t.app, model, nullptr);
    view.show();
    EXPECT_EQ(view.size(),
              QSize(TwipsToPixels(model.widthTwips), TwipsToPixels(model.heightTwips)));
    int shown = 0;
    for (int i = 0; i < kVariantCount; ++i) shown += view.VariantButton(i)->isVisible();
    EXPECT_EQ(shown, model.shownVariants);
    EXPECT_EQ(view.VariantButton(5)->text(), "64");
    EXPECT_TRUE(view.VariantButton(5)->font().bold());
    // Rows are 300 twips, 20 pixels, apart.
    EXPECT_EQ(view.VariantButton(8)->y() - view.VariantButton(1)->y(), 20);

    PointAt(view.VariantButton(3));
    EXPECT_EQ(model.PreviewIndex, 3);
    EXPECT_TRUE(LabelTexts(view).contains("1"));
    EXPECT_FALSE(LabelTexts(view).contains("2"));

    view.VariantButton(3)->click();
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.app.state.config.DigitalExt32Boards, 1);
}

TEST(VariantDialogViewTest, TabAndArrowsPreviewAVariantSpacePressesItF1AsksForHelp) {
    TestApp t;
    VariantDialog model = OpenVariantDialog(t.app, VariantDialogKind::DigExt);
    VariantDialogView view(t.app, model, nullptr);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    EXPECT_EQ(QApplication::focusWidget(), view.VariantButton(0));
    QTest::keyClick(view.VariantButton(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), view.VariantButton(1));
    EXPECT_EQ(model.PreviewIndex, 1);  // as the pointer over it would
    // Rows are seven buttons wide: Down goes to the one below.
    QTest::keyClick(view.VariantButton(1), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), view.VariantButton(8));
    EXPECT_EQ(model.PreviewIndex, 8);
    QTest::keyClick(view.VariantButton(8), Qt::Key_F1);
    EXPECT_EQ(t.platform.helpTargets,
              std::vector<std::string>{"VeltraCalculator.chm::/source/dig_ext.htm"});
    QTest::keyClick(view.VariantButton(8), Qt::Key_Space);
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.Text(FieldId::DigitalExtText), view.VariantButton(8)->text().toStdString());
}

TEST(VariantDialogViewTest, HelpButtonOnlyWhereTheFamilyHasHelp) {
    TestApp t;
    VariantDialog an = OpenVariantDialog(t.app, VariantDialogKind::AnExt);
    VariantDialogView anView(t.app, an, nullptr);
    ASSERT_NE(anView.HelpButton(), nullptr);
    anView.HelpButton()->click();
    EXPECT_EQ(t.platform.helpTargets.size(), 1u);

    VariantDialog tr = OpenVariantDialog(t.app, VariantDialogKind::AnTr);
    VariantDialogView trView(t.app, tr, nullptr);
    EXPECT_EQ(trView.HelpButton(), nullptr);
    trView.show();
    trView.CloseButton()->click();
    EXPECT_TRUE(tr.closed);
    EXPECT_FALSE(trView.isVisible());
    EXPECT_EQ(t.app.state.config.AnalogTrunkBoards, 0);
}

TEST(E1TrunkViewTest, OptionsFramesAndOk) {
    TestApp t;
    t.app.state.config.AnalogTrunkBoards = 7;
    E1TrunkDialog model = OpenE1Trunk(t.app);
    E1TrunkView view(t.app, model, nullptr);
    view.show();
    EXPECT_TRUE(view.E1(0)->isChecked());
    EXPECT_FALSE(view.E1(3)->isEnabled());
    EXPECT_FALSE(view.Eprom(1, 0)->isVisible());

    view.E1(2)->click();
    EXPECT_TRUE(view.Eprom(2, 1)->isVisible());
    EXPECT_FALSE(view.Eprom(3, 1)->isVisible());
    EXPECT_FALSE(view.E1(0)->isChecked());
    view.Eprom(2, 1)->click();
    view.Eprom(2, 1)->click();  // clicking a selected option keeps it selected
    EXPECT_TRUE(view.Eprom(2, 1)->isChecked());

    view.OkButton()->click();
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.app.state.config.E1Boards, 2);
    EXPECT_EQ(t.app.state.config.E1CasLinks, 1);
}

TEST(E1TrunkViewTest, ClosingTheWindowStoresNothing) {
    TestApp t;
    E1TrunkDialog model = OpenE1Trunk(t.app);
    E1TrunkView view(t.app, model, nullptr);
    view.show();
    view.E1(4)->click();
    view.close();
    EXPECT_TRUE(model.closed);
    EXPECT_EQ(t.app.state.config.E1Boards, 0);
}

TEST(ProposalDialogViewTest, ShowsTheModelForwardsEditsAndSaysWhichButtonClosedIt) {
    TestApp t;
    ProposalDialog model = OpenProposalDialog(t.app, {2026, 12, 9});
    ProposalDialogView view(t.app, model, nullptr);
    view.show();
    EXPECT_EQ(view.windowTitle(), "Коммерческое предложение");
    EXPECT_EQ(view.Entry(ProposalField::Number).line()->text(), "КП-2026-0001");
    EXPECT_FALSE(view.Entry(ProposalField::Rate).line()->isEnabled());
    EXPECT_EQ(view.Entry(ProposalField::VatRate).combo()->currentText(), "22");
    EXPECT_EQ(view.VatModeBox()->count(), 3);

    // Typing a date of another year carries the offered number with it.
    QLineEdit* date = view.Entry(ProposalField::Date).line();
    date->selectAll();
    Type(date, "15.01.2027");
    EXPECT_EQ(view.Entry(ProposalField::Number).line()->text(), "КП-2027-0001");
    EXPECT_EQ(view.Entry(ProposalField::ValidUntil).line()->text(), "14.02.2027");
    view.Currency(ProposalCurrency::RUB)->click();
    EXPECT_TRUE(view.Entry(ProposalField::Rate).line()->isEnabled());
    Type(view.Entry(ProposalField::Note).box(), "Две\nстроки");

    // Refused: the message, the focus in the rate's entry, the dialog open.
    view.PdfButton()->click();
    EXPECT_TRUE(view.isVisible());
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(view.focusWidget(), view.Entry(ProposalField::Rate).line());
    Type(view.Entry(ProposalField::Rate).line(), "95,5");
    Type(view.Entry(ProposalField::RateDate).line(), "14.01.2027");
    view.CabinetPageBox()->click();
    view.PdfButton()->click();
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(model.result, ProposalDialogResult::Pdf);
    EXPECT_EQ(t.app.proposal.number, "КП-2027-0001");
    EXPECT_EQ(t.app.proposal.note, "Две\nстроки");
    EXPECT_EQ(t.app.proposal.rate, Money::FromRaw(955000));
    EXPECT_TRUE(t.app.proposal.cabinetPage);
    EXPECT_EQ(t.app.seller.nextNumber, 2);

    ProposalDialog again = OpenProposalDialog(t.app, {2026, 12, 9});
    ProposalDialogView closing(t.app, again, nullptr);
    closing.show();
    closing.HelpButton()->click();
    EXPECT_EQ(t.platform.helpTargets.back(), kProposalHelpTarget);
    closing.close();
    EXPECT_EQ(again.result, ProposalDialogResult::Cancelled);
}

TEST(SellerDialogViewTest, EditsTheSellerChoosesTheLogoAndStoresOnOk) {
    TestApp t;
    SellerDialog model = OpenSellerDialog(t.app, {2026, 12, 9});
    SellerDialogView view(t.app, model, nullptr);
    view.show();
    EXPECT_EQ(view.NumberSample()->text(), "Номер следующего предложения: КП-2026-0001");
    QLineEdit* next = view.Entry(SellerField::NextNumber).line();
    next->selectAll();
    Type(next, "42");
    EXPECT_EQ(view.NumberSample()->text(), "Номер следующего предложения: КП-2026-0042");
    Type(view.Entry(SellerField::Organisation).line(), "ООО «Связь»");
    Type(view.Entry(SellerField::BankDetails).box(), "р/с 407\nБИК 044");

    QTemporaryDir folder;
    const QString logo = folder.filePath("logo.png");
    QFile file(logo);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x89PNG\r\n\x1A\n", 8));
    file.close();
    EXPECT_FALSE(view.ClearLogoButton()->isEnabled());
    view.LogoChosen(logo);
    EXPECT_EQ(view.LogoLabel()->text(), "logo.png");
    EXPECT_TRUE(view.ClearLogoButton()->isEnabled());

    view.VatModeBox()->setCurrentIndex(2);
    emit view.VatModeBox()->activated(2);
    EXPECT_TRUE(view.Entry(SellerField::VatReason).line()->isEnabled());
    view.OkButton()->click();
    EXPECT_TRUE(view.isVisible());  // no VAT needs its reason
    EXPECT_EQ(view.focusWidget(), view.Entry(SellerField::VatReason).line());
    Type(view.Entry(SellerField::VatReason).line(), "УСН");
    view.OkButton()->click();
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(t.app.seller.organisation, "ООО «Связь»");
    EXPECT_EQ(t.app.seller.bankDetails, "р/с 407\nБИК 044");
    EXPECT_EQ(t.app.seller.nextNumber, 42);
    EXPECT_EQ(t.app.seller.logoPath, logo.toStdString());
    EXPECT_EQ(t.app.seller.vatExemptReason, "УСН");
}

// Ends a modal loop whatever went wrong, so that a failure cannot hang the test.
void CloseEveryDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(widget)) widget->close();
}

TEST(OpenDialogTest, ShowsTheFiveLineBoardDialogsModallyWhereAsked) {
    TestApp t;
    EXPECT_EQ(DialogHeightTwips(DialogKind::DigExt, t.app), kFullHeight - 2 * 300);
    EXPECT_EQ(DialogHeightTwips(DialogKind::FecuForm, t.app), OpenFecuForm(t.app).heightTwips);

    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        auto* view = dynamic_cast<VariantDialogView*>(QApplication::activeModalWidget());
        if (!view) return CloseEveryDialog();
        shownAt = view->pos();
        view->VariantButton(2)->click();
    });
    EXPECT_TRUE(OpenDialog(DialogKind::BriTrunk, t.app, nullptr, QPoint(30, 40)));
    EXPECT_EQ(shownAt, QPoint(30, 40));
    EXPECT_EQ(t.app.state.config.Bri16Boards, 1);

    QTimer::singleShot(0, CloseEveryDialog);
    EXPECT_TRUE(OpenDialog(DialogKind::E1Trunk, t.app, nullptr, QPoint(0, 0)));
    EXPECT_EQ(t.app.state.config.E1Boards, 0);
}

}  // namespace
}  // namespace veltra::testing

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
