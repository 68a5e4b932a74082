// Page "Дополнительно" of the main window: the catalogue tree with the code
// and price boxes, and the added-items list.
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTreeView>
#include <QTreeWidget>

#include "catalogue_tree.h"
#include "keypads/qt/open_keypad.h"
#include "main_form.h"
#include "mainwindow/catalogue_page.h"
#include "mainwindow/main_form_pages.h"
#include "mainwindow/step_names.h"
#include "widgets/conversions.h"
#include "widgets/icons.h"

namespace veltra {

namespace {

// Rows of one fixed height: the keypads are placed by row arithmetic.
class FixedRowDelegate : public QStyledItemDelegate {
  public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

  private:
    int height_;
};

QLineEdit* DisplayBox() {
    auto* box = new QLineEdit;
    box->setReadOnly(true);
    return box;
}

}  // namespace

void MainForm::BuildCataloguePage() {
    Place(new QWidget, "Frame2");
    Place(new QWidget, "Frame3");

    tabStrip2_ = new QTabBar;
    Place(tabStrip2_, "TabStrip2");
    tabStrip2_->setShape(QTabBar::RoundedSouth);
    tabStrip2_->addTab("Отбор");
    tabStrip2_->addTab("Отобрано");
    connect(tabStrip2_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) Handle([&] { TabStrip2_Click(app_, form_, index + 1); });
    });
    connect(tabStrip2_, &QTabBar::currentChanged, this, [this](int index) {
        if (index + 1 != form_.TabStrip2) Handle([&] { TabStrip2_Click(app_, form_, index + 1); });
    });

    tree_ = new QTreeView;
    Place(tree_, "TreeView1");
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setIconSize(QSize(16, 16));
    tree_->setItemDelegate(new FixedRowDelegate(16, tree_));
    tree_->setIndentation(14);
    // Long names scroll sideways instead of being cut.
    tree_->setTextElideMode(Qt::ElideNone);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->viewport()->installEventFilter(this);
    treeModel_ = new CatalogueTreeModel(app_.catalogue, tree_);
    tree_->setModel(treeModel_);
    connect(tree_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        const std::string key = index.data(kTreeKeyRole).toString().toStdString();
        Handle([&] { TreeView1_NodeClick(app_, form_, key); });
    });
    connect(tree_, &QTreeView::doubleClicked, this, [this] { OnTreeDoubleClick(); });

    Place(new QLabel("Код товара"), "LabelCodeWare");
    textCodeWare_ = DisplayBox();
    Place(textCodeWare_, "TextCodeWare");
    Place(new QLabel("Цена товара"), "LabelPriceWare");
    textPriceWare_ = DisplayBox();
    Place(textPriceWare_, "TextPriceWare");
    labelDiscount_ = new QLabel;
    Place(labelDiscount_, "LabelDiscount");
    labelDiscount_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    labelDiscount_->setWordWrap(true);
    auto* priceList = new QPushButton("Прайс-лист");
    Place(priceList, "Command4");
    priceList->setToolTip("Вывод полного прайс-лсита");
    connect(priceList, &QPushButton::clicked, this,
            [this] { Step(kDiscountStep, [&] { Command4_Click(app_); }); });

    list_ = new QTreeWidget;
    Place(list_, "ListView1");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setItemDelegate(new FixedRowDelegate(14, list_));
    list_->setHeaderLabels({"Наименование товара", "Код производителя", "Цена", "Кол-во", "Сумма"});
    list_->header()->setFixedHeight(17);
    list_->header()->setStretchLastSection(false);
    for (auto [column, width] : {std::pair{0, 150}, {1, 122}, {2, 60}, {3, 48}, {4, 60}})
        list_->setColumnWidth(column, width);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const std::string key = item->data(0, kTreeKeyRole).toString().toStdString();
        Handle([&] { ListView1_ItemClick(form_, key); });
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnListDoubleClick(); });

    Place(new QLabel("Итого:"), "Label1");
    totalAddText_ = DisplayBox();
    Place(totalAddText_, "TotalAddText");
    auto* deleteAll = new QPushButton("Удалить все");
    Place(deleteAll, "DelAllAddQty");
    connect(deleteAll, &QPushButton::clicked, this,
            [this] { Step(kDeleteAllStep, [&] { DelAllAddQty(app_, form_); }); });
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && OnListKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        // Positions relative to the whole control, its frame and header included.
        const auto* press = static_cast<QMouseEvent*>(event);
        if (watched == tree_->viewport()) {
            const int y = tree_->viewport()->mapTo(tree_, press->position().toPoint()).y();
            TreeView1_MouseDown(form_, PixelsToTwips(y));
        } else if (watched == list_->viewport()) {
            const int y = list_->viewport()->mapTo(list_, press->position().toPoint()).y();
            ListView1_MouseDown(form_, PixelsToTwips(y));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::OnTreeDoubleClick() {
    Step(ItemStepName(app_, form_.SelectNode), [&] {
        if (const auto at = TreeView1_DblClick(app_, form_, WindowTwips()))
            OpenKeypad(KeypadKind::AddQty, app_, this, ToPixels(*at));
    });
}

void MainForm::OnListDoubleClick() {
    Step(ItemStepName(app_, form_.SelectList), [&] {
        if (const auto at = ListView1_DblClick(app_, form_, WindowTwips()))
            OpenKeypad(KeypadKind::AddListQty, app_, this, ToPixels(*at));
    });
}

void MainForm::RenderCataloguePage() {
    // Tree texts and images follow the hand-added quantities.
    treeModel_->Refresh();

    for (QWidget* w : {Container("LabelCodeWare"), Container("TextCodeWare"),
                       Container("LabelPriceWare"), Container("TextPriceWare")})
        w->setVisible(form_.WareVisible);
    textCodeWare_->setText(QString::fromStdString(form_.TextCodeWare));
    textPriceWare_->setText(QString::fromStdString(form_.TextPriceWare));
    labelDiscount_->setText(QString::fromStdString(
        DiscountText(app_.state.config.QuotationDiscountPercent, app_.decimalSeparator)));

    const AddedItemsList& shown = form_.ListView1;
    totalAddText_->setText(QString::fromStdString(shown.total));
    bool same = shown.rows.size() == shownList_.rows.size();
    for (size_t i = 0; same && i < shown.rows.size(); ++i) {
        const AddedItemRow &a = shown.rows[i], &b = shownList_.rows[i];
        same = a.key == b.key && a.qty == b.qty && a.price == b.price && a.sum == b.sum;
    }
    if (same) return;
    shownList_ = shown;
    list_->clear();
    for (const AddedItemRow& row : shown.rows) {
        auto* item = new QTreeWidgetItem(
            list_, {QString::fromStdString(row.name), QString::fromStdString(row.code),
                    QString::fromStdString(row.price), QString::number(row.qty),
                    QString::fromStdString(row.sum)});
        item->setData(0, kTreeKeyRole, QString::fromStdString(row.key));
        item->setToolTip(0, item->text(0));
        for (int column = 2; column <= 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

}  // namespace veltra
