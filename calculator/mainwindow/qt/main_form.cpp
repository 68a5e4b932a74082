#include "main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>

#include "about_form.h"
#include "dialogs/qt/open_dialog.h"
#include "handling/main_window_inputs.h"
#include "keypads/qt/open_keypad.h"
#include "mainwindow/catalogue_page.h"
#include "mainwindow/field_buttons.h"
#include "mainwindow/file_menu.h"
#include "mainwindow/help_entries.h"
#include "mainwindow/main_form_pages.h"
#include "mainwindow/placement.h"
#include "mainwindow/status_panels.h"
#include "mainwindow/step_names.h"
#include "widgets/conversions.h"
#include "widgets/icons.h"

namespace veltra {

namespace {

DialogKind KindOf(std::string_view dialog) {
    static const std::pair<const char*, DialogKind> kKinds[] = {
        {"AnExt", DialogKind::AnExt},     {"DigExt", DialogKind::DigExt},
        {"AnTr", DialogKind::AnTr},       {"BriTrunk", DialogKind::BriTrunk},
        {"E1Trunk", DialogKind::E1Trunk}, {"BaseStation", DialogKind::BaseStation},
        {"Mobile", DialogKind::Mobile},   {"FecuForm", DialogKind::FecuForm},
        {"IPUForm", DialogKind::IPUForm},
    };
    for (const auto& [name, kind] : kKinds) {
        if (dialog == name) return kind;
    }
    return DialogKind::AnExt;
}

}  // namespace

QWidget* PageFrame(const char* caption) {
    return new QGroupBox(QString::fromUtf8(caption));
}

MainForm::MainForm(App& app, QWidget* parent) : QMainWindow(parent), app_(app), form_(app.form) {
    setObjectName("MainForm");
    auto* client = new QWidget(this);
    client->setObjectName("Client");
    client->setFixedSize(TwipsToPixels(kPageFrameRect.width),
                         TwipsToPixels(kPageFrameRect.top + kPageFrameRect.height));
    setCentralWidget(client);
    widgets_[""] = client;

    BuildMenu();
    BuildTabStrip();
    BuildAccessPage();
    BuildTrunkPage();
    BuildCordlessPage();
    BuildPowerPage();
    BuildFramePage();
    BuildCataloguePage();
    BuildReportsPage();
    BuildStatusBar();
    BuildKeyboard();

    Render();
    // The pages are placed in fixed positions: the window keeps the size that
    // holds them. With a frame of the usual size that is the design's outer
    // size of 7165 x 6375 twips.
    layout()->activate();
    setFixedSize(sizeHint());
}

QWidget* MainForm::Container(const std::string& name) const {
    return widgets_.at(name);
}

QWidget* MainForm::Place(QWidget* widget, const char* name) {
    const ControlPlace& place = PlaceOf(name);
    widget->setParent(Container(place.container));
    widget->setObjectName(name);
    widget->setGeometry(ToPixels(place.rect));
    widgets_[name] = widget;
    return widget;
}

TwipsPoint MainForm::WindowTwips() const {
    const QRect frame = frameGeometry();
    return {PixelsToTwips(frame.x()), PixelsToTwips(frame.y())};
}

void MainForm::BuildMenu() {
    BuildFileMenu();
    BuildScaleMenu();
    BuildEditMenu();
    QMenuBar* bar = menuBar();
    QAction* newCalc = bar->addAction("&Новый расчет");
    newCalc->setObjectName("NewCalc");
    newCalc->setShortcuts(QKeySequence::New);
    connect(newCalc, &QAction::triggered, this, &MainForm::OnNewCalculation);

    QMenu* help = bar->addMenu("По&мощь");
    help->setObjectName("HelpMenu");
    const std::pair<const char*, const char*> kEntries[] = {
        {"HelpOverviewVeltra", "&Обзор УАТС Veltra"},
        {"HelpOverviewVeltraFunction", "Обзор &сервисных функций Veltra"},
        {"HelpOverviewVeltraTechnicData", "&Технические данные Veltra"},
    };
    for (const auto& [name, caption] : kEntries) {
        QAction* entry = help->addAction(caption);
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this,
                [this, name] { Handle([&] { ShowHelpEntry(app_, name); }); });
    }
    help->addSeparator();
    QAction* about = help->addAction("О &программе");
    about->setObjectName("About");
    connect(about, &QAction::triggered, this, &MainForm::ShowAbout);
}

void MainForm::BuildTabStrip() {
    tabStrip1_ = new QTabBar;
    Place(tabStrip1_, "TabStrip1");
    for (const char* caption : {"АЛ", "СЛ", "DECT", "Питание", "Кросс", "Дополнительно", "Отчеты"})
        tabStrip1_->addTab(caption);
    tabStrip1_->setExpanding(false);
    static const char* const kCaptions[kTabCount] = {"Абонентские линии",
                                                     "Соединительные линии",
                                                     "Беcпроводная связь DECT",
                                                     "Электропитание",
                                                     "Кроссовое оборудование",
                                                     "",
                                                     "Отчеты"};
    for (int i = 0; i < kTabCount; ++i)
        Place(PageFrame(kCaptions[i]), PlaceOf(ArrayName("FrameTabs", i)).name);
    // Every click runs the page switch, a click on the shown tab included;
    // the keyboard changes the tab without a click.
    connect(tabStrip1_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) Handle([&] { TabStrip1_Click(app_, form_, index + 1); });
    });
    connect(tabStrip1_, &QTabBar::currentChanged, this, [this](int index) {
        if (index + 1 != form_.TabStrip1) Handle([&] { TabStrip1_Click(app_, form_, index + 1); });
    });
}

void MainForm::BuildStatusBar() {
    auto* panels = new QWidget;
    auto* layout = new QHBoxLayout(panels);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QString("Panel%1").arg(i + 1));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setContentsMargins(2, 0, 2, 0);
        layout->addWidget(panels_[i]);
    }
    layout->addStretch(1);
    panels_[2]->setAlignment(Qt::AlignCenter);
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(panels, 1);
}

void MainForm::OnFieldButton(const char* name) {
    const FieldButton& button = *FindButton(name);
    // Without a window manager the window may never be activated; the frame is
    // measured again here so the dialog still opens below its field.
    MeasureTitleBar();
    switch (button.kind) {
        case ButtonKind::Help:
            Handle([&] { ShowHelpEntry(app_, name); });
            return;
        case ButtonKind::InputCalc:
            Step(ButtonStepName(button), [&] {
                const TwipsPoint at = InputCalcButton_Click(app_, button, WindowTwips());
                OpenKeypad(KeypadKind::InputCalc, app_, this, ToPixels(at));
            });
            return;
        case ButtonKind::Dialog:
            Step(ButtonStepName(button), [&] {
                const DialogKind kind = KindOf(button.dialog);
                const auto at = DialogButton_Click(app_, form_, button, WindowTwips(),
                                                   float(DialogHeightTwips(kind, app_)));
                if (at) {
                    OpenDialog(kind, app_, this, ToPixels(*at));
                } else {
                    fields_[size_t(FieldId::BSText)]->setFocus();
                }
            });
            return;
    }
}

void MainForm::ShowAbout() {
    AboutForm about(app_, AboutForm::Mode::Modal, this);
    const QRect frame = frameGeometry();
    const TwipsPoint at =
        CentreOver(ToTwips(frame), PixelsToTwips(about.width()), PixelsToTwips(about.height()));
    about.move(ToPixels(at));
    about.exec();
}

void MainForm::Render() {
    RenderFields();
    RenderOptions();
    RenderPages();
    RenderCataloguePage();
    RenderStatusBar();
    RenderDocument();
    RenderEditMenu();
    StoreSeller();
}

void MainForm::RenderStatusBar() {
    const StatusBarModel& status = app_.main.status;
    std::array<int, 3> needed{};
    const std::pair<size_t, const std::string*> kTexts[] = {
        {0, &status.costLine}, {3, &status.powerLine}, {5, &status.lineSummary}};
    for (size_t k = 0; k < 3; ++k) {
        QLabel* panel = panels_[kTexts[k].first];
        panel->setText(QString::fromStdString(*kTexts[k].second));
        panel->setToolTip(panel->text());
        const QMargins margins = panel->contentsMargins();
        needed[k] = panel->fontMetrics().horizontalAdvance(panel->text()) + margins.left() +
                    margins.right() + 4;
    }
    const int available =
        statusBar()->width() > 0 ? statusBar()->width() : TwipsToPixels(kPageFrameRect.width);
    const auto widths = StatusPanelPixels(available, needed);
    for (size_t i = 0; i < panels_.size(); ++i) panels_[i]->setFixedWidth(widths[i]);
    if (status.overloadVisible) {
        panels_[2]->setPixmap(WarningPixmap(16));
        panels_[2]->setToolTip(kOverloadToolTip);
    } else {
        panels_[2]->setPixmap(QPixmap());
        panels_[2]->setToolTip(QString());
    }
}

void MainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) MeasureTitleBar();
    QMainWindow::changeEvent(event);
}

void MainForm::MeasureTitleBar() {
    // The client area lies below the menu bar.
    const int client = geometry().height() - menuBar()->height();
    app_.state.window.TitleBarHeight = TitleBarHeightTwips(frameGeometry().height(), client);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RenderStatusBar();
}

void MainForm::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Handle([&] { mayClose = MainForm_QueryUnload(app_); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    // Closing the main window closes every other window and ends the program.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (*it != this && (*it)->isVisible()) (*it)->close();
    }
    event->accept();
    QCoreApplication::quit();
}

}  // namespace veltra
