// The menu "Правка" of the main window under the offscreen platform: its
// keys undo and redo, and its entries name the step they take back or again.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "mainwindow/qt/main_form.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

TEST(EditMenuView, KeysUndoAndRedoAndTheEntriesNameTheirStep) {
    testing::TestApp t;
    MainForm window(t.app);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus.mid(0, 3), QStringList({"&Файл", "&Правка", "&Новый расчет"}));
    auto* undo = window.findChild<QAction*>("EditUndo");
    auto* redo = window.findChild<QAction*>("EditRedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(redo->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_EQ(undo->text(), "&Отменить");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    auto* mfu = window.findChild<QCheckBox*>("MFUCheck");
    auto* digital = window.findChild<QLineEdit*>("DigitalExtText");
    QTest::mouseClick(mfu, Qt::LeftButton);
    ASSERT_EQ(digital->text(), "8");
    EXPECT_EQ(undo->text(), "&Отменить: Применить плату MFU");
    EXPECT_TRUE(undo->isEnabled());

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(mfu->isChecked());
    EXPECT_EQ(digital->text(), "0");
    EXPECT_EQ(undo->text(), "&Отменить");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), "&Повторить: Применить плату MFU");
    EXPECT_TRUE(redo->isEnabled());

    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(mfu->isChecked());
    EXPECT_EQ(digital->text(), "8");
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(mfu->isChecked());
    EXPECT_EQ(redo->text(), "&Повторить");

    // "Новый расчет" is one step, undone without a question or message.
    window.findChild<QAction*>("NewCalc")->trigger();
    EXPECT_FALSE(mfu->isChecked());
    EXPECT_EQ(undo->text(), "&Отменить: Новый расчет");
    undo->trigger();
    EXPECT_TRUE(mfu->isChecked());
    EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace veltra
