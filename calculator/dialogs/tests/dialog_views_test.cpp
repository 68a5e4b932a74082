// The Qt views show their model and hand the pointer and clicks to it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "dialog_test_support.h"
#include "dialogs/e1_trunk_view.h"
#include "dialogs/fecu_form.h"
#include "dialogs/open_dialog.h"
#include "dialogs/variant_dialog_view.h"

namespace veltra::testing {
namespace {

void PointAt(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent event(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
}

QStringList LabelTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

TEST(VariantDialogViewTest, ShowsTheModelAndForwardsPointerAndClick) {
    TestApp t;
    t.app.state.DigitalExt32Boards = 2;
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
    EXPECT_EQ(t.app.state.DigitalExt32Boards, 1);
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
    EXPECT_EQ(t.app.state.AnalogTrunkBoards, 0);
}

TEST(E1TrunkViewTest, OptionsFramesAndOk) {
    TestApp t;
    t.app.state.AnalogTrunkBoards = 7;
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
    EXPECT_EQ(t.app.state.E1Boards, 2);
    EXPECT_EQ(t.app.state.E1CasLinks, 1);
}

TEST(E1TrunkViewTest, ClosingTheWindowStoresNothing) {
    TestApp t;
    E1TrunkDialog model = OpenE1Trunk(t.app);
    E1TrunkView view(t.app, model, nullptr);
    view.show();
    view.E1(4)->click();
    view.close();
    EXPECT_TRUE(model.closed);
    EXPECT_EQ(t.app.state.E1Boards, 0);
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
    EXPECT_EQ(t.app.state.Bri16Boards, 1);

    QTimer::singleShot(0, CloseEveryDialog);
    EXPECT_TRUE(OpenDialog(DialogKind::E1Trunk, t.app, nullptr, QPoint(0, 0)));
    EXPECT_EQ(t.app.state.E1Boards, 0);
}

}  // namespace
}  // namespace veltra::testing

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
