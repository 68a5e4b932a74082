// The keypad views under the offscreen platform: they show their model, hand
// keys and closes to it, and open from the main window's clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "keypads/qt/keypad_views.h"
#include "mainwindow/qt/main_form.h"
#include "tests/test_app.h"
#include "widgets/look.h"

namespace veltra::testing {
namespace {

std::string Enabled(const KeypadButtons& keys) {
    std::string text;
    for (int k = 0; k <= 9; ++k) text += keys.Digit(k)->isEnabled() ? char('0' + k) : '-';
    return text;
}

TEST(InputCalcView, KeysTypingAndOk) {
    TestApp t;
    t.app.state.window.InputCalcMax = 300;
    MainFieldBox box(t.app, FieldId::StandardText);
    InputCalc model = LoadInputCalc(t.app);
    InputCalcView view(t.app, model, box, nullptr);
    view.show();
    EXPECT_EQ(view.MaxLabel()->text(), "Макс. 300");
    QTest::mouseClick(view.Keys().Digit(3), Qt::LeftButton);
    QTest::mouseClick(view.Keys().Digit(0), Qt::LeftButton);
    EXPECT_EQ(view.Display()->text(), "30");
    EXPECT_EQ(Enabled(view.Keys()), "0---------");
    // The display keeps the keyboard: typing goes on after the keys.
    QTest::keyClicks(view.Display(), "1");
    EXPECT_EQ(model.Text1, "301");
    QTest::mouseClick(view.Keys().Clear(), Qt::LeftButton);
    QTest::keyClicks(view.Display(), "12");
    EXPECT_EQ(t.Text(FieldId::StandardText), "0");
    QTest::keyClick(view.Display(), Qt::Key_Return);  // "Ok" is the default key
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(t.Text(FieldId::StandardText), "12");
}

TEST(InputCalcView, EscapeClosesWithoutWriting) {
    TestApp t;
    t.app.state.window.InputCalcMax = 300;
    MainFieldBox box(t.app, FieldId::Dss2Text);
    InputCalc model = LoadInputCalc(t.app);
    InputCalcView view(t.app, model, box, nullptr);
    view.show();
    QTest::mouseClick(view.Keys().Digit(7), Qt::LeftButton);
    QTest::keyClick(view.Display(), Qt::Key_Escape);
    EXPECT_TRUE(model.closed);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(t.Text(FieldId::Dss2Text), "0");
}

TEST(AddQtyView, KeyboardEscapeAndOk) {
    TestApp t;
    const int index = FindItem(t.app.catalogue, "BDV 113 08");
    t.app.form.SelectNode = ItemKey(index);
    AddQtyPad model = OpenAddQty(t.app);
    AddQtyView view(t.app, model, nullptr);
    view.show();
    QTest::keyClicks(&view, "0123");
    EXPECT_EQ(view.Display()->text(), "123");
    QTest::mouseClick(view.Keys().Digit(9), Qt::LeftButton);
    EXPECT_EQ(Enabled(view.Keys()), "----------");
    EXPECT_EQ(view.focusWidget(), view.Keys().Ok());
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.Display()->text(), "0");
    QTest::keyClicks(&view, "6");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(int(t.app.catalogue[size_t(index)].ItemAddQty), 6);
}

// Runs `drive` on the modal keypad once it is up.
void WhenModal(std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [drive] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        drive(modal);
    });
}

TEST(KeypadsFromTheMainWindow, TreeListAndCalculatorButton) {
    TestApp t;
    MainForm window(t.app);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QTabBar*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(5).center());
    auto* tree = window.findChild<QTreeView*>("TreeView1");
    tree->expandAll();
    const QAbstractItemModel* model = tree->model();
    const QModelIndex cabinet = model->index(0, 0, model->index(0, 0, model->index(0, 0)));
    tree->scrollTo(cabinet);
    const QPoint at = tree->visualRect(cabinet).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    WhenModal([](QWidget* pad) {
        EXPECT_EQ(pad->objectName(), "AddQty");
        QTest::keyClicks(pad, "3");
        QTest::mouseClick(pad->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(cabinet.data().toString(), "[3]-Шкаф системы Veltra на 9 плат");

    auto* list = window.findChild<QTreeWidget*>("ListView1");
    window.findChild<QTabBar*>("TabStrip2")->setCurrentIndex(1);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    const QPoint row = list->visualItemRect(list->topLevelItem(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    WhenModal([](QWidget* pad) {
        EXPECT_EQ(pad->objectName(), "AddListQty");
        QTest::mouseClick(pad->findChild<QPushButton*>("Command3(1)"), Qt::LeftButton);
        QTest::mouseClick(pad->findChild<QPushButton*>("Command3(0)"), Qt::LeftButton);
        QTest::mouseClick(pad->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(list->topLevelItem(0)->text(3), "10");
    EXPECT_EQ(cabinet.data().toString(), "[10]-Шкаф системы Veltra на 9 плат");
    EXPECT_TRUE(window.findChild<QLabel*>("Panel1")->text().endsWith(" / 10450 USD"));

    window.findChild<QTabBar*>("TabStrip1")->setCurrentIndex(0);
    auto* calcButton = window.findChild<QToolButton*>("ARFlatBttn5");
    const QPoint fieldBottomLeft =
        window.findChild<QLineEdit*>("BasicText")->mapToGlobal(QPoint(0, calcButton->height()));
    WhenModal([fieldBottomLeft](QWidget* calc) {
        EXPECT_EQ(calc->objectName(), "InputCalc");
        EXPECT_NEAR(calc->frameGeometry().left(), fieldBottomLeft.x(), 12);
        QTest::keyClicks(calc->findChild<QLineEdit*>("Text1"), "25");
        QTest::mouseClick(calc->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    QTest::mouseClick(calcButton, Qt::LeftButton);
    EXPECT_EQ(window.findChild<QLineEdit*>("BasicText")->text(), "25");
}

}  // namespace
}  // namespace veltra::testing

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    veltra::ApplyLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
