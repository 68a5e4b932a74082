// The views of the cordless and unit dialogs show their model and forward
// the slider, typing and clicks to it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "dialog_test_support.h"
#include "dialogs/qt/base_station_view.h"
#include "dialogs/qt/fecu_form_view.h"
#include "dialogs/qt/ipu_form_view.h"
#include "dialogs/qt/mobile_view.h"
#include "dialogs/qt/open_dialog.h"
#include "mainwindow/qt/main_form.h"

namespace veltra::testing {
namespace {

QStringList LabelTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

void TypeKeys(QWidget* widget, const QString& keys) {
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void CloseEveryDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(widget)) widget->close();
}

TEST(BaseStationViewTest, SliderMovesTheBoardsAndOkStoresThem) {
    TestApp t;
    t.app.state.config.AnalogExt8Boards = 24;  // two free slots
    BaseStationDialog model = OpenBaseStation(t.app);
    BaseStationView view(t.app, model, nullptr);
    view.show();
    EXPECT_EQ(view.Slider()->maximum(), 12);
    EXPECT_TRUE(view.Slider()->isEnabled());
    EXPECT_TRUE(LabelTexts(view).contains("12"));

    view.Slider()->setValue(5);
    EXPECT_EQ(model.Label_ICLU.caption, "1");
    EXPECT_TRUE(LabelTexts(view).contains("5"));
    view.OkButton()->click();
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.app.state.config.BaseStationCount, 5);
    EXPECT_EQ(t.Text(FieldId::BSText), "5");

    TestApp full;
    full.app.state.config.AnalogExt8Boards = 26;
    BaseStationDialog none = OpenBaseStation(full.app);
    BaseStationView noneView(full.app, none, nullptr);
    EXPECT_FALSE(noneView.Slider()->isEnabled());
    noneView.show();
    noneView.close();
    EXPECT_TRUE(none.closed);
}

TEST(MobileViewTest, TypingPicksTheModuleAndOkStoresIt) {
    TestApp t;
    t.app.state.config.IccuBoards = 1;
    MobileDialog model = OpenMobile(t.app);
    MobileView view(t.app, model, nullptr);
    view.show();
    view.Dt288()->selectAll();
    TypeKeys(view.Dt288(), "20");
    EXPECT_EQ(model.dt288.text, "20");
    EXPECT_TRUE(view.Option(2)->isChecked());
    EXPECT_FALSE(view.Option(0)->isChecked());

    // The calculator button opens the keypad on dt288 (closed here without
    // "Ok"); its closing refreshes the traffic line.
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* calculator = QApplication::activeModalWidget()) {
            opened = true;
            calculator->close();
        }
    });
    view.CalculatorButton()->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(model.dt288.text, "20");
    EXPECT_FALSE(model.inputCalc.has_value());
    EXPECT_TRUE(LabelTexts(view).contains("Нагрузка на абонента: 0,4 Эрл"));
    EXPECT_EQ(t.app.state.window.InputCalcTarget, "dt288");

    view.Option(4)->click();
    view.OkButton()->click();
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.app.state.config.HandsetCount, 20);
    EXPECT_EQ(t.app.state.config.FecuModule, 4);
}

TEST(MobileViewTest, EnterInTheBoxMeansOkAndEscapeCloses) {
    TestApp t;
    MobileDialog model = OpenMobile(t.app);
    MobileView view(t.app, model, nullptr);
    view.show();
    QTimer::singleShot(0, CloseEveryDialog);  // were the calculator to open
    view.Dt288()->selectAll();
    TypeKeys(view.Dt288(), "12");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view.Dt288(), &enter);
    EXPECT_FALSE(model.inputCalc.has_value());
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.app.state.config.HandsetCount, 12);

    MobileDialog again = OpenMobile(t.app);
    MobileView second(t.app, again, nullptr);
    second.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(second.Dt288(), &escape);
    EXPECT_TRUE(again.closed);
    EXPECT_FALSE(second.isVisible());
}

TEST(MobileViewTest, ARefusedEntryKeepsTheDialogOpen) {
    TestApp t;
    MobileDialog model = OpenMobile(t.app);
    MobileView view(t.app, model, nullptr);
    view.show();
    view.Dt288()->selectAll();
    TypeKeys(view.Dt288(), "250");
    view.OkButton()->click();
    EXPECT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(view.Dt288()->text(), "0");
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(t.app.state.config.HandsetCount, 0);
}

TEST(UnitFormViewTest, CheckMarkOptionsAndOk) {
    TestApp t;
    t.app.state.results.FecuRequiredLevel = 4;
    FecuFormDialog fecu = OpenFecuForm(t.app);
    FecuFormView fecuView(t.app, fecu, nullptr);
    fecuView.show();
    EXPECT_TRUE(fecuView.Option(0)->isChecked());
    EXPECT_TRUE(fecuView.Check(4)->isVisible());
    EXPECT_FALSE(fecuView.Check(5)->isVisible());
    fecuView.Option(7)->click();
    EXPECT_FALSE(fecuView.Option(0)->isChecked());
    fecuView.OkButton()->click();
    EXPECT_EQ(t.app.state.config.FecuChosenLevel, 7);

    t.app.state.config.AnalogExt8Boards = 26;
    IpuFormDialog ipu = OpenIpuForm(t.app);
    IpuFormView ipuView(t.app, ipu, nullptr);
    ipuView.show();
    EXPECT_TRUE(ipuView.Option(0)->isChecked());
    EXPECT_FALSE(ipuView.Option(1)->isEnabled());
    EXPECT_FALSE(ipuView.Option(2)->isEnabled());
    ipuView.close();
    EXPECT_TRUE(ipu.closed);
}

TEST(OpenDialogTest, OpensTheUnitDialogsModallyWhereAsked) {
    TestApp t;
    EXPECT_EQ(DialogHeightTwips(DialogKind::Mobile, t.app), OpenMobile(t.app).heightTwips);
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        auto* view = dynamic_cast<IpuFormView*>(QApplication::activeModalWidget());
        if (!view) return CloseEveryDialog();
        shownAt = view->pos();
        view->Option(1)->click();
        view->OkButton()->click();
    });
    EXPECT_TRUE(OpenDialog(DialogKind::IPUForm, t.app, nullptr, QPoint(50, 60)));
    EXPECT_EQ(shownAt, QPoint(50, 60));
    EXPECT_EQ(t.app.state.config.Ipu4Present, 1);
    EXPECT_EQ(t.Text(FieldId::IPUText), "4");

    for (DialogKind kind : {DialogKind::BaseStation, DialogKind::Mobile, DialogKind::FecuForm}) {
        QTimer::singleShot(0, CloseEveryDialog);
        EXPECT_TRUE(OpenDialog(kind, t.app, nullptr, QPoint(0, 0)));
    }
    EXPECT_EQ(t.app.state.config.BaseStationCount, 0);
}

// Where the main window's buttons open the dialogs, and what OK leaves in
// the fields and the status bar.
TEST(MainWindowButtons, OpenTheUnitDialogsBesideTheirFields) {
    TestApp t;
    MainForm window(t.app);
    window.move(100, 80);
    window.show();
    auto child = [&](const char* name) { return window.findChild<QWidget*>(name); };
    window.findChild<QTabBar*>("TabStrip1")->setCurrentIndex(2);
    const QWidget* bsText = child("BSText");
    ASSERT_NE(bsText, nullptr);
    const QPoint below = bsText->mapToGlobal(QPoint(0, bsText->height()));
    const QString costBefore = window.findChild<QLabel*>("Panel1")->text();

    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        auto* view = dynamic_cast<BaseStationView*>(QApplication::activeModalWidget());
        if (!view) return CloseEveryDialog();
        shownAt = view->pos();
        view->Slider()->setValue(20);
        view->OkButton()->click();
    });
    static_cast<QToolButton*>(child("Command16"))->click();
    // Twips rounding and the measured title bar leave a few pixels either way.
    EXPECT_LE((shownAt - below).manhattanLength(), 6)
        << shownAt.x() << "," << shownAt.y() << " for " << below.x() << "," << below.y();
    EXPECT_EQ(static_cast<QLineEdit*>(child("BSText"))->text(), "20");
    EXPECT_NE(window.findChild<QLabel*>("Panel1")->text(), costBefore);

    // With base stations the handset button's guard lets the dialog open.
    bool mobileOpened = false;
    QTimer::singleShot(0, [&] {
        mobileOpened = dynamic_cast<MobileView*>(QApplication::activeModalWidget()) != nullptr;
        CloseEveryDialog();
    });
    static_cast<QToolButton*>(child("Command17"))->click();
    EXPECT_TRUE(mobileOpened);
    EXPECT_TRUE(t.platform.messages.empty());

    // The networking software dialog opens above its field. Lower on the
    // screen, so that all of it is on the screen: one reaching past the top
    // may be moved back by the platform, and whether it is yet when the
    // check runs depends on the order of the window system's events.
    window.move(100, 200);
    QApplication::processEvents();
    window.findChild<QTabBar*>("TabStrip1")->setCurrentIndex(1);
    const QWidget* fecuText = child("FecuText");
    QRect fecuRect;
    QTimer::singleShot(0, [&] {
        if (auto* view = QApplication::activeModalWidget()) fecuRect = view->geometry();
        CloseEveryDialog();
    });
    static_cast<QToolButton*>(child("Command1"))->click();
    ASSERT_FALSE(fecuRect.isNull());
    EXPECT_LT(fecuRect.bottom(), fecuText->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_LE(std::abs(fecuRect.left() - fecuText->mapToGlobal(QPoint(0, 0)).x()), 2);
}

}  // namespace
}  // namespace veltra::testing

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
