#pragma once
// MainForm: the Qt view of the main window. It builds its widgets once from
// the layout, renders App::main and App::form after every handled
// event, and forwards the user's events to the core's handlers.

#include <QMainWindow>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "catalogue_tree.h"
#include "mainwindow/undo_history.h"
#include "state/app.h"
#include "state/main_form_model.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSettings;
class QTabBar;
class QTreeView;
class QTreeWidget;

namespace veltra {

// A frame with a caption, as the pages and their option groups have.
QWidget* PageFrame(const char* caption);

class MainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainForm(App& app, QWidget* parent = nullptr);

    MainFormModel& form() { return form_; }
    // Shows the model's state in every widget.
    void Render();
    // The window's outer top-left in twips.
    TwipsPoint WindowTwips() const;
    // The recent files are read from and kept in `settings` from now on.
    void KeepRecentFilesIn(QSettings& settings);
    // The seller's details are read from and kept in `settings` from now on.
    void KeepSellerDetailsIn(QSettings& settings);
    // A file named on the command line, opened as one event.
    void OpenCalculationFile(const std::string& path);
    // The interface scale of this run and the one the menu has chosen,
    // which is kept in the settings of KeepRecentFilesIn.
    void ShowInterfaceScale(int inEffect, int chosen);
    const UndoHistory& history() const { return history_; }

  protected:
    void changeEvent(QEvent* event) override;
    void MeasureTitleBar();
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs a handler as one event and shows its outcome.
    template <class Handler>
    void Handle(Handler&& handler) {
        RunEvent(app_, handler);
        Render();
    }
    // Runs a user's action as one event: a change it makes is the step
    // `name` of the menu "Правка".
    template <class Handler>
    void Step(const std::string& name, Handler&& handler) {
        history_.Begin(app_);
        RunEvent(app_, handler);
        history_.End(app_, name);
        Render();
    }

    QWidget* Place(QWidget* widget, const char* name);
    QWidget* Container(const std::string& name) const;

    void BuildMenu();
    void BuildFileMenu();
    void BuildScaleMenu();
    void BuildEditMenu();
    void OnNewCalculation();
    void BuildTabStrip();
    void BuildStatusBar();
    void BuildAccessPage();
    void BuildTrunkPage();
    void BuildCordlessPage();
    void BuildPowerPage();
    void BuildFramePage();
    void BuildCataloguePage();
    void BuildReportsPage();
    void BuildField(const char* label, const char* field, const char* button);
    void BuildKeyboard();
    // Enter on the tree or the list; true when taken.
    bool OnListKey(QObject* watched, QKeyEvent* event);
    void BuildOptionGroup(int group);

    void OnFieldButton(const char* name);
    void OnTreeDoubleClick();
    void OnListDoubleClick();
    void ShowAbout();

    void RenderFields();
    void RenderOptions();
    void RenderPages();
    void RenderCataloguePage();
    void RenderStatusBar();
    void RenderDocument();
    void RenderEditMenu();
    void OnProposalDialog();
    void OnRevisions();
    // A proposal document made, then kept as the file's revision.
    void ExportPdfAndKeepRevision();
    void PrintAndKeepRevision();
    void OnCompare();
    void StoreSeller();

    App& app_;
    MainFormModel& form_;  // App::form
    std::map<std::string, QWidget*> widgets_;

    QTabBar* tabStrip1_ = nullptr;
    QTabBar* tabStrip2_ = nullptr;
    QTabBar* tabStrip3_ = nullptr;
    std::array<QLineEdit*, kFieldCount> fields_{};
    QCheckBox* mfuCheck_ = nullptr;
    QComboBox* mfuFlash_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QCheckBox* onlyStationCheck_ = nullptr;
    std::array<QButtonGroup*, 5> groups_{};

    QTreeView* tree_ = nullptr;
    CatalogueTreeModel* treeModel_ = nullptr;
    QTreeWidget* list_ = nullptr;
    AddedItemsList shownList_;
    QLineEdit* totalAddText_ = nullptr;
    QLineEdit* textCodeWare_ = nullptr;
    QLineEdit* textPriceWare_ = nullptr;
    QLabel* labelDiscount_ = nullptr;
    QLabel* reportTxtLabel_ = nullptr;
    QWidget* cabinetPicture_ = nullptr;

    std::array<QLabel*, 6> panels_{};

    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::vector<std::string> shownRecent_;
    QSettings* settings_ = nullptr;
    std::vector<std::string> storedRecent_;
    QSettings* sellerSettings_ = nullptr;
    SellerDetails storedSeller_;
    UndoHistory history_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::vector<QAction*> scaleActions_;
    int scaleInEffect_ = 100;
};

}  // namespace veltra
