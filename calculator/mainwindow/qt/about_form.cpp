#include "about_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "mainwindow/about_box.h"
#include "mainwindow/help_entries.h"
#include "state/app.h"

namespace veltra {

namespace {

QLabel* Text(QWidget* parent, const QString& text, QRect at, int pixelSize = 11,
             bool bold = false) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(at);
    label->setStyleSheet("color: #10243f; background: transparent;");
    return label;
}

QString Link(const char* text) {
    return QString("<a href=\"#\" style=\"color:#0b4fa8;\">%1</a>").arg(QString::fromUtf8(text));
}

}  // namespace

AboutForm::AboutForm(App& app, Mode mode, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("AboutForm");
    setWindowTitle(QString());
    setFixedSize(360, 240);
    if (mode == Mode::Splash) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    Text(this, kAbout.product, QRect(20, 18, 230, 30), 18, true)->setObjectName("Product");
    Text(this, kAbout.salesCaption, QRect(20, 74, 150, 18));
    Text(this, kAbout.supportCaption, QRect(20, 96, 150, 18));
    const std::pair<AboutLink, QRect> kLinks[] = {
        {AboutLink::SalesMail, QRect(175, 74, 170, 18)},
        {AboutLink::SupportMail, QRect(175, 96, 170, 18)},
        {AboutLink::WebSite, QRect(20, 124, 320, 18)},
    };
    for (const auto& [link, at] : kLinks) {
        const char* text = link == AboutLink::SalesMail     ? kAbout.salesMail
                           : link == AboutLink::SupportMail ? kAbout.supportMail
                                                            : kAbout.webSite;
        QLabel* label = Text(this, Link(text), at);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &QLabel::linkActivated, this,
                [this, link] { RunEvent(app_, [&] { AboutLink_Click(app_, link); }); });
    }
    Text(this, kAbout.cityLine, QRect(20, 158, 320, 18));
    Text(this, kAbout.supplierLine, QRect(20, 176, 320, 32))->setWordWrap(true);

    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Command1");
    ok->setGeometry(270, 206, 76, 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (mode == Mode::Splash) {
        ok->hide();
        // Timer1 fires once: unloading the box ends it.
        auto* timer = new QTimer(this);
        timer->setObjectName("Timer1");
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this] {
            timerFired_ = true;
            if (timerAction_) timerAction_();
            close();
        });
        timer->start(kSplashMilliseconds);
    }
}

void AboutForm::SetTimerAction(std::function<void()> action) {
    // A message box during start-up runs the event loop, so the timer may
    // already have fired.
    if (timerFired_) {
        action();
        return;
    }
    timerAction_ = std::move(action);
}

void AboutForm::paintEvent(QPaintEvent*) {
    // The picture background: a light panel with a band of stylised line
    // boards along the bottom.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0xe9, 0xf1, 0xfb));
    sky.setColorAt(1, QColor(0xc4, 0xd6, 0xee));
    p.fillRect(rect(), sky);
    p.fillRect(QRect(0, 56, width(), 2), QColor(0x2a, 0x5d, 0xa8));
    p.setPen(QColor(0x9d, 0xb6, 0xd8));
    for (int i = 0; i < 9; ++i) p.drawRect(QRect(256 + 10 * i, 10, 7, 36));
    p.setPen(QColor(0x2a, 0x5d, 0xa8));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::HelpContents)) {
        RunEvent(app_, [this] { ShowHelp(app_, kAboutHelpTopic); });
        return event->accept();
    }
    QDialog::keyPressEvent(event);
}

}  // namespace veltra
