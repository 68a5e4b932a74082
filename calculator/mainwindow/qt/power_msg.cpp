#include "power_msg.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "mainwindow/about_box.h"
#include "mainwindow/placement.h"
#include "widgets/conversions.h"
#include "widgets/icons.h"

namespace veltra {

namespace {

// The legend: the consumption bar standing above the supplies' bar.
QPixmap LegendPicture() {
    // At the screen's resolution, sharp at a larger interface scale too.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(60, 64) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawLine(2, 62, 58, 62);
    p.setBrush(QColor(0xd8, 0x3b, 0x2f));
    p.drawRect(8, 4, 18, 57);
    p.setBrush(QColor(0x4c, 0xa6, 0x4c));
    p.drawRect(34, 22, 18, 39);
    return pixmap;
}

QLabel* Text(QWidget* parent, const char* text, QRect at, bool bold = false) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(at);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel* Swatch(QWidget* parent, QColor colour, QRect at) {
    auto* swatch = new QLabel(parent);
    swatch->setGeometry(at);
    swatch->setStyleSheet(QString("background: %1; border: 1px solid #404040;").arg(colour.name()));
    return swatch;
}

}  // namespace

PowerMsg::PowerMsg(QWidget* parent, std::function<void()> help)
    : QDialog(parent), help_(std::move(help)) {
    setObjectName("PowerMsg");
    setWindowTitle(QString::fromUtf8(kPowerMessage.title));
    setFixedSize(420, 230);

    auto* icon = new QLabel(this);
    icon->setPixmap(WarningPixmap(32));
    icon->setGeometry(16, 16, 32, 32);
    Text(this, kPowerMessage.overload, QRect(60, 12, 344, 32), true);
    Text(this, kPowerMessage.correction, QRect(60, 46, 344, 18));

    auto* legend = new QLabel(this);
    legend->setPixmap(LegendPicture());
    legend->setGeometry(60, 80, 60, 64);
    Swatch(this, QColor(0xd8, 0x3b, 0x2f), QRect(134, 90, 12, 12));
    Text(this, kPowerMessage.consumption, QRect(152, 88, 250, 16));
    Swatch(this, QColor(0x4c, 0xa6, 0x4c), QRect(134, 116, 12, 12));
    Text(this, kPowerMessage.supply, QRect(152, 114, 250, 16));

    auto* sign = new QLabel(this);
    sign->setPixmap(WarningPixmap(16));
    sign->setGeometry(60, 160, 16, 16);
    Text(this, kPowerMessage.legend, QRect(84, 159, 320, 18));

    auto* ok = new QPushButton("Ok", this);
    ok->setGeometry(172, 192, 76, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void PowerMsg::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::HelpContents) && help_) {
        help_();
        return event->accept();
    }
    QDialog::keyPressEvent(event);
}

void PowerMsg::ShowCentred(QWidget* parent, std::function<void()> help) {
    PowerMsg box(parent, std::move(help));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    box.move(ToPixels(CentreOnScreen(PixelsToTwips(screen.width()), PixelsToTwips(screen.height()),
                                     PixelsToTwips(box.width()), PixelsToTwips(box.height()))));
    box.exec();
}

}  // namespace veltra
