#include "icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace veltra {

namespace {

// Painted at the screen's resolution, so a larger interface scale keeps
// them sharp; `size` is in the layout's pixels.
template <class Draw>
QPixmap Paint(int size, Draw draw) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

QPixmap AddedItem() {
    return Paint(16, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1e, 0x6b, 0x1e), 1));
        p.setBrush(QColor(0x3c, 0xb0, 0x3c));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8.2), QPointF(7, 10.8), QPointF(11.5, 5.2)}));
    });
}

QPixmap PricedItem() {
    return Paint(16, [](QPainter& p) {
        // A price tag with its hole.
        QPainterPath tag;
        tag.moveTo(2.5, 8);
        tag.lineTo(7, 3.5);
        tag.lineTo(13.5, 3.5);
        tag.lineTo(13.5, 12.5);
        tag.lineTo(7, 12.5);
        tag.closeSubpath();
        p.setPen(QPen(QColor(0x2a, 0x4f, 0x8f), 1));
        p.setBrush(QColor(0x9c, 0xc3, 0xf0));
        p.drawPath(tag);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(5.2, 6.7, 2.6, 2.6));
        p.drawLine(QPointF(9.5, 6.5), QPointF(12, 6.5));
        p.drawLine(QPointF(9.5, 9.5), QPointF(12, 9.5));
    });
}

QPixmap Group() {
    return Paint(16, [](QPainter& p) {
        p.setPen(QPen(QColor(0x9a, 0x74, 0x10), 1));
        p.setBrush(QColor(0xf0, 0xc8, 0x50));
        p.drawRect(QRectF(1.5, 3.5, 6, 3));
        p.setBrush(QColor(0xf7, 0xd8, 0x70));
        p.drawRect(QRectF(1.5, 5.5, 13, 8));
    });
}

}  // namespace

QIcon TreeImage(int image) {
    // Painted once: a large catalogue asks for them tens of thousands of times.
    static const QIcon added(AddedItem()), priced(PricedItem()), group(Group());
    switch (image) {
        case 1:
            return added;
        case 2:
            return priced;
        default:
            return group;
    }
}

QIcon DialogButtonIcon() {
    return QIcon(Paint(12, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        for (int i = 0; i < 3; ++i) p.drawEllipse(QRectF(0.5 + 4 * i, 7, 3, 3));
    }));
}

QIcon CalculatorButtonIcon() {
    return QIcon(Paint(14, [](QPainter& p) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        p.setBrush(QColor(0xe8, 0xe8, 0xe8));
        p.drawRoundedRect(QRectF(1.5, 0.5, 11, 13), 1.5, 1.5);
        p.setBrush(QColor(0x9f, 0xd0, 0x9f));
        p.drawRect(QRectF(3.5, 2.5, 7, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(3.5 + 2.5 * col, 7.5 + 2.5 * row, 1.6, 1.6));
    }));
}

QIcon HelpButtonIcon() {
    return QIcon(Paint(18, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1c, 0x4e, 0x9c), 1));
        p.setBrush(QColor(0x3b, 0x7d, 0xd8));
        p.drawEllipse(QRectF(1, 1, 16, 16));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 16, 16), Qt::AlignCenter, "?");
    }));
}

QPixmap WarningPixmap(int size) {
    return Paint(size, [size](QPainter& p) {
        const double s = size;
        QPolygonF triangle({QPointF(s / 2, 1), QPointF(s - 1, s - 1.5), QPointF(1, s - 1.5)});
        p.setPen(QPen(QColor(0x80, 0x50, 0x00), 1));
        p.setBrush(QColor(0xff, 0xc8, 0x1e));
        p.drawPolygon(triangle);
        p.setPen(QPen(Qt::black, s / 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s / 2, s * 0.36), QPointF(s / 2, s * 0.64));
        p.drawPoint(QPointF(s / 2, s * 0.79));
    });
}

}  // namespace veltra
