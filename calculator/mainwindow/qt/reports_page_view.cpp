// Page "Отчеты" of the main window and the page switching of all three tab
// strips.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>

#include "main_form.h"
#include "mainwindow/main_form_pages.h"
#include "report/qt/cabinet_picture_view.h"
#include "report/qt/proposal_output.h"
#include "report/quotation_export.h"
#include "widgets/conversions.h"

namespace veltra {

void MainForm::BuildReportsPage() {
    Place(new QWidget, "ReportFrame(0)");
    Place(new QWidget, "ReportFrame(1)");
    cabinetPicture_ = new CabinetPictureView(app_.main.cabinet, Container("ReportFrame(0)"));
    cabinetPicture_->setGeometry(0, 0, TwipsToPixels(kReportFrameRect.width),
                                 TwipsToPixels(kReportFrameRect.height));
    tabStrip3_ = new QTabBar;
    Place(tabStrip3_, "TabStrip3");
    tabStrip3_->setShape(QTabBar::RoundedSouth);
    tabStrip3_->addTab("Конфигурация");
    tabStrip3_->addTab("Отчеты");
    connect(tabStrip3_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) Handle([&] { TabStrip3_Click(app_, form_, index + 1); });
    });
    connect(tabStrip3_, &QTabBar::currentChanged, this, [this](int index) {
        if (index + 1 != form_.TabStrip3) Handle([&] { TabStrip3_Click(app_, form_, index + 1); });
    });

    // The text can be longer than the label's place: it scrolls there.
    reportTxtLabel_ = new QLabel;
    Place(reportTxtLabel_, "ReportTxtLabel");
    auto* scroll = new QScrollArea(reportTxtLabel_->parentWidget());
    scroll->setObjectName("ReportTxtScroll");
    scroll->setGeometry(reportTxtLabel_->geometry());
    reportTxtLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    reportTxtLabel_->setWordWrap(true);
    reportTxtLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reportTxtLabel_->setContentsMargins(4, 4, 4, 4);
    scroll->setWidget(reportTxtLabel_);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Made left to right, so that Tab reaches them in reading order.
    auto* pdf = new QPushButton("Отчет в PDF…");
    Place(pdf, "ReportPdf");
    connect(pdf, &QPushButton::clicked, this,
            [this] { Handle([&] { ExportPdfAndKeepRevision(); }); });
    auto* excel = new QPushButton("Отчет в Excel");
    Place(excel, "Command2");
    connect(excel, &QPushButton::clicked, this, [this] { Handle([&] { ExportQuotation(app_); }); });
}

void MainForm::RenderPages() {
    auto frame = [this](const std::string& name, const FrameState& state) {
        QWidget* widget = Container(name);
        widget->setGeometry(ToPixels(state.rect));
        widget->setVisible(state.visible);
        if (state.visible) widget->raise();
    };
    for (int i = 0; i < kTabCount; ++i)
        frame(ArrayName("FrameTabs", i), form_.FrameTabs[size_t(i)]);
    frame("Frame2", form_.Frame2);
    frame("Frame3", form_.Frame3);
    for (int i = 0; i < 2; ++i) frame(ArrayName("ReportFrame", i), form_.ReportFrame[size_t(i)]);

    for (auto [bar, tab] : {std::pair{tabStrip1_, form_.TabStrip1},
                            {tabStrip2_, form_.TabStrip2},
                            {tabStrip3_, form_.TabStrip3}}) {
        const QSignalBlocker block(bar);
        bar->setCurrentIndex(tab - 1);
    }

    QString report = QString::fromStdString(app_.main.ReportTxtLabel);
    report.replace('\r', '\n');
    if (report.endsWith('\n')) report.chop(1);  // every line ends with one; no empty last line
    reportTxtLabel_->setText(report);
    cabinetPicture_->update();
}

}  // namespace veltra
