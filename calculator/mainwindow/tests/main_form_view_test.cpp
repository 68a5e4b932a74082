// The main window under the offscreen platform, on the shipped price list.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "app/chm_help_viewer.h"
#include "dialogs/qt/proposal_dialog_view.h"
#include "dialogs/qt/seller_dialog_view.h"
#include "document/calculation_file.h"
#include "handling/main_window_inputs.h"
#include "mainwindow/help_entries.h"
#include "mainwindow/qt/about_form.h"
#include "mainwindow/qt/main_form.h"
#include "mainwindow/qt/power_msg.h"
#include "state/calendar_date_input.h"
#include "tests/test_app.h"
#include "widgets/look.h"

namespace veltra {
namespace {

class MainFormView : public ::testing::Test {
  protected:
    MainFormView() : window(t.app) { window.show(); }

    template <class T>
    T* Child(const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString Panel(int n) { return Child<QLabel>(qPrintable(QString("Panel%1").arg(n)))->text(); }
    void ClickTab(const char* bar, int index) {
        QTabBar* tabs = Child<QTabBar>(bar);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    bool Shown(const char* name) { return Child<QWidget>(name)->isVisible(); }

    testing::TestApp t;
    MainForm window;
};

TEST_F(MainFormView, ShowsTitleTabsAndTheCatalogueGroups) {
    EXPECT_EQ(window.windowTitle(), " Dorvesk Veltra Calculator");
    QTabBar* tabs = Child<QTabBar>("TabStrip1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    EXPECT_EQ(captions,
              QStringList({"АЛ", "СЛ", "DECT", "Питание", "Кросс", "Дополнительно", "Отчеты"}));

    const QAbstractItemModel* tree = Child<QTreeView>("TreeView1")->model();
    QStringList groups;
    for (int i = 0; i < tree->rowCount(); ++i) groups << tree->index(i, 0).data().toString();
    EXPECT_EQ(groups, QStringList({"Шкафы и платы", "Системные телефоны", "Беспроводная связь DECT",
                                   "IP-телефония", "Электропитание", "Кроссовое оборудование",
                                   "Программное обеспечение", "Кабели и принадлежности",
                                   "Документация и услуги"}));
    EXPECT_EQ(Child<QLabel>("Panel4")->text(), "P = 40 / 180 Вт (Тр)");
}

TEST_F(MainFormView, KeepsItsNaturalSizeAndEveryPanelInside) {
    EXPECT_EQ(window.centralWidget()->width(), 473);  // 7095 twips of page frame
    EXPECT_EQ(window.width(), 473);
    Child<QLineEdit>("BasicText")->setText("300");
    Child<QLineEdit>("EconomyText")->setText("300");
    for (int n : {1, 4, 6}) {
        QLabel* panel = Child<QLabel>(qPrintable(QString("Panel%1").arg(n)));
        const QRect inWindow(panel->mapTo(&window, QPoint(0, 0)), panel->size());
        EXPECT_LE(inWindow.right(), window.width() - 1) << n;
        EXPECT_GE(panel->contentsRect().width(),
                  panel->fontMetrics().horizontalAdvance(panel->text()))
            << n << " " << panel->text().toStdString();
    }
}

TEST_F(MainFormView, WritingATelephoneCountUpdatesTheCostLineAndTheOverloadIcon) {
    QLineEdit* basic = Child<QLineEdit>("BasicText");
    EXPECT_TRUE(basic->isReadOnly());
    const QString before = Panel(1);
    const QColor face = basic->palette().color(QPalette::Base);

    basic->setText("100");
    EXPECT_NE(Panel(1), before);
    EXPECT_EQ(Panel(1).toStdString(), t.app.main.status.costLine);
    EXPECT_EQ(int(t.Qty("DBC 210 01/01021")), 100);
    EXPECT_NE(basic->palette().color(QPalette::Base), face);  // window colour from 1
    EXPECT_TRUE(Child<QLabel>("Panel3")->pixmap().isNull());

    // 0.9 × 300 + 1.4 × 300 + 40 = 730 W: more than three power units give.
    basic->setText("300");
    Child<QLineEdit>("EconomyText")->setText("300");
    EXPECT_FALSE(Child<QLabel>("Panel3")->pixmap().isNull());
    EXPECT_EQ(Child<QLabel>("Panel3")->toolTip(), "Внимание: потребл. мощность превышает макс.");
    EXPECT_EQ(t.platform.powerMessages, 1);
    EXPECT_EQ(Panel(4), "P = 730 / 720 Вт (Имп)");

    Child<QLineEdit>("EconomyText")->setText("0");
    EXPECT_TRUE(Child<QLabel>("Panel3")->pixmap().isNull());
    EXPECT_TRUE(Child<QLabel>("Panel3")->toolTip().isEmpty());
    EXPECT_EQ(Child<QLineEdit>("EconomyText")->palette().color(QPalette::Base), face);
}

TEST_F(MainFormView, TabsSwitchPagesAndSubPages) {
    EXPECT_TRUE(Shown("FrameTabs(0)"));
    ClickTab("TabStrip1", 5);
    EXPECT_TRUE(Shown("FrameTabs(5)"));
    EXPECT_FALSE(Shown("FrameTabs(0)"));
    EXPECT_TRUE(Shown("Frame2"));

    t.app.catalogue[size_t(FindItem(t.app.catalogue, "BDV 113 08"))].ItemAddQty = 2;
    ClickTab("TabStrip2", 1);
    EXPECT_FALSE(Shown("Frame2"));
    EXPECT_TRUE(Shown("Frame3"));
    QTreeWidget* list = Child<QTreeWidget>("ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "BDV 113 08");
    EXPECT_EQ(list->topLevelItem(0)->text(3), "2");
    EXPECT_EQ(list->columnCount(), 5);
    EXPECT_EQ(Child<QLineEdit>("TotalAddText")->text(), "2090");

    QTest::mouseClick(Child<QPushButton>("DelAllAddQty"), Qt::LeftButton);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(Child<QLineEdit>("TotalAddText")->text(), "0");

    ClickTab("TabStrip1", 6);
    EXPECT_TRUE(Shown("FrameTabs(6)"));
    EXPECT_TRUE(Shown("ReportFrame(0)"));
    ClickTab("TabStrip3", 1);
    EXPECT_TRUE(Shown("ReportFrame(1)"));
    EXPECT_FALSE(Shown("ReportFrame(0)"));
    EXPECT_TRUE(Child<QLabel>("ReportTxtLabel")->text().startsWith("Конфигурация:\n\n"));

    // "Отчет в Excel" writes the workbook and asks the desktop to open it.
    QTemporaryDir documents;
    t.platform.documentsFolder = documents.path().toStdString();
    QTest::mouseClick(Child<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_EQ(t.platform.openedFiles.size(), 1u);
    const std::string& written = t.platform.openedFiles[0];
    EXPECT_TRUE(written.starts_with(documents.path().toStdString() + "/Расчет Veltra "));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(written)));
    EXPECT_TRUE(t.platform.messages.empty());

    // "Отчет в PDF…" beside it writes the proposal under its number and opens it.
    t.app.proposal.number = "КП-1";
    QTest::mouseClick(Child<QPushButton>("ReportPdf"), Qt::LeftButton);
    ASSERT_EQ(t.platform.openedFiles.size(), 2u);
    EXPECT_EQ(t.platform.openedFiles[1], documents.path().toStdString() + "/КП-1.pdf");
    QFile pdf(QString::fromStdString(t.platform.openedFiles[1]));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(MainFormView, TreeClicksShowCodeAndPriceOnlyForPricedItems) {
    ClickTab("TabStrip1", 5);
    QTreeView* tree = Child<QTreeView>("TreeView1");
    const QModelIndex group = tree->model()->index(0, 0);
    tree->expandAll();
    const QModelIndex cabinet = tree->model()->index(0, 0, tree->model()->index(0, 0, group));
    ASSERT_EQ(cabinet.data().toString(), "Шкаф системы Veltra на 9 плат");
    tree->scrollTo(cabinet);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(cabinet).center());
    EXPECT_TRUE(Shown("TextCodeWare"));
    EXPECT_EQ(Child<QLineEdit>("TextCodeWare")->text(), "BDV 113 08");
    EXPECT_EQ(Child<QLineEdit>("TextPriceWare")->text(), "1045");
    EXPECT_GT(window.form().SelectNodeY, 0);

    tree->scrollTo(group);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(group).center());
    EXPECT_FALSE(Shown("TextCodeWare"));
    EXPECT_FALSE(Shown("LabelPriceWare"));

    // A hand-added quantity shows in the node's text after the next event.
    t.app.catalogue[size_t(FindItem(t.app.catalogue, "BDV 113 08"))].ItemAddQty = 12;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(group).center());
    EXPECT_EQ(cabinet.data().toString(), "[12]-Шкаф системы Veltra на 9 плат");

    t.platform.inputAnswers = {"7,5"};
    QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(Child<QLabel>("LabelDiscount")->text(), "Скидка: 7,5 %");
}

TEST_F(MainFormView, InputsRunTheirHandling) {
    QTest::mouseClick(Child<QCheckBox>("MFUCheck"), Qt::LeftButton);
    EXPECT_TRUE(Shown("MFU_Flash"));
    EXPECT_EQ(Child<QLineEdit>("DigitalExtText")->text(), "8");

    ClickTab("TabStrip1", 4);
    QRadioButton* none = Child<QRadioButton>("MDFBox(2)");
    QTest::mouseClick(none, Qt::LeftButton, {}, QPoint(8, none->height() / 2));
    EXPECT_TRUE(Child<QRadioButton>("Arrestor(2)")->isChecked());
    EXPECT_FALSE(Child<QWidget>("ArrestorsFrame")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>("OnlyStationMDFCheck")->isEnabled());

    ClickTab("TabStrip1", 3);
    EXPECT_FALSE(Child<QWidget>("PowerAccFrame")->isEnabled());
    QTest::mouseClick(Child<QRadioButton>("PowerStandard(1)"), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(Child<QWidget>("PowerAccFrame")->isEnabled());
    EXPECT_EQ(Panel(4), "P = 40 / 240 Вт (Имп)");

    Child<QAction>("NewCalc")->trigger();
    EXPECT_FALSE(Child<QCheckBox>("MFUCheck")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("PowerStandard(0)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("MDFBox(1)")->isChecked());
}

TEST_F(MainFormView, ButtonsGuardHelpAndRecordTheCalculatorTarget) {
    ClickTab("TabStrip1", 2);
    QTest::mouseClick(Child<QToolButton>("Command17"), Qt::LeftButton);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text,
              "Введите сначала необходимое количество базовых станций");

    ClickTab("TabStrip1", 0);
    // The calculator opens modally; close it at once.
    QTimer::singleShot(0, [] {
        if (QWidget* calculator = QApplication::activeModalWidget()) calculator->close();
    });
    QTest::mouseClick(Child<QToolButton>("ARFlatBttn7"), Qt::LeftButton);
    EXPECT_EQ(int(t.app.state.window.InputCalcMax), 300);
    EXPECT_EQ(t.app.state.window.InputCalcTarget, "StandardText");

    QTest::mouseClick(Child<QToolButton>("ARFlatBttn3"), Qt::LeftButton);
    Child<QAction>("HelpOverviewVeltra")->trigger();
    EXPECT_EQ(t.platform.helpTargets,
              (std::vector<std::string>{"v4_overview.chm::/terminal_eq/terminal_eq.htm",
                                        "v4_overview.chm"}));
}

TEST_F(MainFormView, ActivationMeasuresTheFrameAndClosingClosesEverything) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The frame above and below the client area, the menu bar included.
    const int frame = window.frameGeometry().height() - window.geometry().height();
    EXPECT_EQ(t.app.state.window.TitleBarHeight, (frame + window.menuBar()->height()) * 15);

    QWidget other;
    other.show();
    window.close();
    EXPECT_FALSE(other.isVisible());
}

TEST_F(MainFormView, TitleMarksChangesAndClosingAsksAboutThem) {
    EXPECT_EQ(Child<QAction>("FileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Child<QAction>("FileSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(Child<QAction>("FilePrint")->shortcut(), QKeySequence("Ctrl+P"));
    QTemporaryDir folder;
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    window.KeepRecentFilesIn(settings);
    const QString file = folder.filePath("Проба.veltra");
    t.platform.chosenFiles = {folder.filePath("Проба").toStdString()};
    Child<QAction>("FileSave")->trigger();
    EXPECT_EQ(window.windowTitle(), " Dorvesk Veltra Calculator - Проба.veltra");
    EXPECT_EQ(Child<QAction>("FileRecent0")->text(), "&1 Проба.veltra");
    EXPECT_EQ(QSettings(settings.fileName(), QSettings::IniFormat).value("recentFiles"),
              QStringList{file});

    // The frame is measured the same under the longer title.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const int frame = window.frameGeometry().height() - window.geometry().height();
    EXPECT_EQ(t.app.state.window.TitleBarHeight, (frame + window.menuBar()->height()) * 15);

    Child<QLineEdit>("BasicText")->setText("5");
    EXPECT_EQ(window.windowTitle(), " Dorvesk Veltra Calculator - Проба.veltra*");
    t.platform.answers = {Answer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(t.platform.questions.size(), 1u);
    EXPECT_EQ(t.platform.questions[0].text, "Сохранить изменения в расчете «Проба.veltra»?");

    t.platform.answers = {Answer::No};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    testing::TestApp reopened;  // "Нет" left the file as saved
    ASSERT_TRUE(OpenCalculation(reopened.app, file.toStdString()));
    EXPECT_EQ(reopened.Text(FieldId::BasicText), "0");
}

// Runs `act` on the modal dialog of type View once it is up; closes any
// other, so that a failure cannot hang the test.
template <class View, class Act>
void OnModal(Act act) {
    QTimer::singleShot(0, [act] {
        auto* view = dynamic_cast<View*>(QApplication::activeModalWidget());
        if (view) return act(*view);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(widget)) widget->close();
    });
}

TEST_F(MainFormView, TheFileMenuEditsTheProposalAndKeepsTheSellerInTheSettings) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("seller/organisation", "ООО «Связь»");
    settings.setValue("seller/nextNumber", "41x");  // refused: the default
    window.KeepSellerDetailsIn(settings);
    EXPECT_EQ(t.app.seller.organisation, "ООО «Связь»");
    EXPECT_EQ(t.app.seller.nextNumber, 1);
    const auto stored = [&](const char* key) {
        return QSettings(settings.fileName(), QSettings::IniFormat).value(key).toString();
    };

    OnModal<ProposalDialogView>([](ProposalDialogView& view) { view.OkButton()->click(); });
    Child<QAction>("FileProposal")->trigger();
    EXPECT_EQ(t.app.proposal.number, "КП-" + std::to_string(LocalToday().year) + "-0001");
    EXPECT_EQ(stored("seller/nextNumber"), "2");  // the number was taken

    OnModal<SellerDialogView>([](SellerDialogView& view) {
        QLineEdit* days = view.Entry(SellerField::ValidityDays).line();
        days->setText("14");
        emit days->textEdited("14");
        view.OkButton()->click();
    });
    Child<QAction>("FileSeller")->trigger();
    EXPECT_EQ(t.app.seller.validityDays, 14);
    EXPECT_EQ(stored("seller/validityDays"), "14");
    EXPECT_EQ(stored("seller/organisation"), "ООО «Связь»");
}

TEST(AboutFormView, SplashHidesOkAndItsTimerShowsTheMainWindowOnce) {
    testing::TestApp t;
    AboutForm splash(t.app, AboutForm::Mode::Splash);
    splash.show();
    EXPECT_FALSE(splash.findChild<QPushButton*>("Command1")->isVisible());
    auto* timer = splash.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isSingleShot());
    int shown = 0;
    splash.SetTimerAction([&] { ++shown; });
    timer->start(1);
    QTest::qWait(30);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(splash.isVisible());

    AboutForm about(t.app, AboutForm::Mode::Modal);
    about.show();
    EXPECT_TRUE(about.findChild<QPushButton*>("Command1")->isVisible());
    EXPECT_EQ(about.findChild<QTimer*>("Timer1"), nullptr);

    // F1 in the box and in the power warning: the program's help, and how
    // the power supply is chosen.
    QTest::keyClick(&about, Qt::Key_F1);
    std::vector<std::string> asked;
    PowerMsg power(nullptr, [&] { asked.push_back(kPowerMessageHelpTopic); });
    QTest::keyClick(&power, Qt::Key_F1);
    EXPECT_EQ(t.platform.helpTargets, std::vector<std::string>({kAboutHelpTopic}));
    EXPECT_EQ(asked, std::vector<std::string>({"VeltraCalculator.chm::/source/power.htm"}));
}

TEST(ChmHelpViewerRun, NamesAMissingFileOrViewerAndHandsTheTopicToTheViewer) {
    QTemporaryDir program, data, bin;
    ASSERT_TRUE(program.isValid() && data.isValid() && bin.isValid());
    RecordingPlatform platform;
    ChmHelpViewer viewer(platform, {program.path(), data.path()});
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());

    viewer.Show("v4_overview.chm::/terminal_eq/terminal_eq.htm", std::nullopt);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Файл справки \"v4_overview.chm\" не найден ни в папке программы, ни в папке "
              "данных:\n" +
                  program.path().toStdString() + "\n" + data.path().toStdString());

    // Found in the second folder when the first lacks it.
    QFile chm(data.filePath("v4_overview.chm"));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.close();
    viewer.Show("v4_overview.chm::/terminal_eq/terminal_eq.htm", std::nullopt);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].text.find("xchm"), std::string::npos);

    // A stand-in viewer that writes down its arguments and its data folders.
    const QString log = bin.filePath("args.txt");
    QFile script(bin.filePath("xchm"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s\\n' \"$@\" \"$XDG_DATA_DIRS\" > '" + log + ".part'\n" +
                  "/bin/mv '" + log + ".part' '" + log + "'\n")
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    viewer.Show("v4_overview.chm::/applications\\applications_8.htm", std::nullopt);
    qputenv("PATH", path);
    EXPECT_EQ(platform.messages.size(), 2u);
    QFile written(log);
    for (int i = 0; i < 200 && !written.exists(); ++i) QTest::qWait(20);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "file:" + data.filePath("v4_overview.chm") +
                            "#xchm:/applications/applications_8.htm");
    EXPECT_TRUE(lines[1].startsWith(data.filePath("help-viewer") + ":")) << lines[1].toStdString();
}

QStringList TabWalk(int steps, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QStringList names;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

TEST_F(MainFormView, TheKeyboardWalksThePageChangesPagesAndAsksForTheirHelp) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Child<QTabBar>("TabStrip1")->setFocus(Qt::TabFocusReason);
    // Reading order: the left column, then the telephones' frame; the count
    // fields themselves are not typed into.
    EXPECT_EQ(TabWalk(14), QStringList({"ARFlatBttn2", "ARFlatBttn4", "MFUCheck", "Combo1",
                                        "ARFlatBttn1", "ARFlatBttn5", "ARFlatBttn6", "ARFlatBttn7",
                                        "ARFlatBttn8", "ARFlatBttn9", "ARFlatBttn10",
                                        "ARFlatBttn11", "ARFlatBttn3", "TabStrip1"}));
    EXPECT_EQ(TabWalk(2, Qt::ShiftModifier), QStringList({"ARFlatBttn3", "ARFlatBttn11"}));

    QTest::keyClick(&window, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_TRUE(Shown("FrameTabs(1)"));
    QTest::keyClick(&window, Qt::Key_F1);
    for (int i = 0; i < 5; ++i) QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(Shown("FrameTabs(6)"));
    QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(Shown("FrameTabs(0)"));
    QTest::keyClick(&window, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_TRUE(Shown("FrameTabs(6)"));
    EXPECT_EQ(Child<QTabBar>("TabStrip1")->currentIndex(), 6);
    EXPECT_EQ(t.platform.helpTargets,
              (std::vector<std::string>{"VeltraCalculator.chm::/source/an_ext.htm",
                                        "VeltraCalculator.chm::/source/an_trunk.htm"}));
}

}  // namespace
}  // namespace veltra

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    veltra::ApplyLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
