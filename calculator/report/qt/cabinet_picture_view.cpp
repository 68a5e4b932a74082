#include "cabinet_picture_view.h"

#include <QFontMetrics>
#include <QPainter>

#include "widgets/conversions.h"

namespace veltra {

namespace {

// The picture's plan in twips; 15 to the pixel.
constexpr int kCabinetLeft = 150, kCabinetPitch = 2250, kCabinetTop = 105;
constexpr int kCabinetWidth = 2100, kCabinetHeight = 1695;
constexpr int kSlotLeft = 60, kSlotTop = 120, kSlotWidth = 180, kSlotPitch = 222;
constexpr int kPowerTop = 1950, kImageLeft = 600, kImageWidth = 900, kImageHeight = 570;
constexpr int kBatteryTop = 2640, kBatteryHeight = 300;
constexpr int kLegendTop = 3180, kLegendRowPitch = 390, kLegendGap = 300;

QRectF Px(double left, double top, double width, double height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

const QColor kMark(200, 0, 0);

void Cross(QPainter& painter, const QRectF& box) {
    painter.setPen(QPen(kMark, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
}

void PaintCabinet(QPainter& painter, const CabinetPicture& picture, int cabinet,
                  const QColor& frame) {
    const int left = kCabinetLeft + cabinet * kCabinetPitch;
    painter.setPen(QPen(frame, 1));
    // An empty slot shows the cabinet's grey back wall.
    painter.setBrush(QColor(0xC8, 0xC8, 0xC8));
    painter.drawRect(Px(left, kCabinetTop, kCabinetWidth, kCabinetHeight));
    for (int k = 0; k < 9; ++k) {
        const SlotShape& shape = picture.Shape1[size_t(cabinet * 9 + k)];
        const QRectF box =
            Px(left + kSlotLeft + k * kSlotPitch, kCabinetTop + kSlotTop, kSlotWidth, shape.height);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(shape.opaque ? QBrush(ToQColor(shape.colour)) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
    }
}

void PaintPower(QPainter& painter, const CabinetPicture& picture, int cabinet) {
    const CabinetPower& power = picture.power[size_t(cabinet)];
    const int left = kCabinetLeft + cabinet * kCabinetPitch;
    const QRectF image = Px(left + kImageLeft, kPowerTop, kImageWidth, kImageHeight);
    const QRectF in = Px(left, kPowerTop, kImageLeft - 90, kImageHeight);
    const QRectF out = Px(left + kImageLeft + kImageWidth + 45, kPowerTop,
                          kCabinetWidth - kImageLeft - kImageWidth - 45, kImageHeight);
    const QRectF battery =
        Px(left + kImageLeft + 150, kBatteryTop, kImageWidth - 300, kBatteryHeight);

    if (power.imageVisible) {
        // The supply unit: a box with a plug on its input side and the feed
        // to the cabinet above it.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(0xD8, 0xD8, 0xD8));
        painter.drawRect(image);
        painter.drawLine(
            QPointF(image.center().x(), image.top()),
            QPointF(image.center().x(), Px(0, kCabinetTop + kCabinetHeight, 0, 0).y()));
        painter.drawLine(QPointF(image.left() - 3, image.center().y()),
                         QPointF(image.left(), image.center().y()));
    }
    painter.setPen(Qt::black);
    painter.drawText(in, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(power.PowIn));
    painter.drawText(out, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(power.PowOut));
    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(image, Qt::AlignCenter, QString::fromStdString(power.PowType));
    painter.setFont(plain);

    // The battery set, crossed out when the cabinet has none.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xF0, 0xE0, 0x90));
    painter.drawRect(battery);
    painter.drawText(battery, Qt::AlignCenter, "АКБ");
    if (power.noAkkVisible) Cross(painter, battery.adjusted(-2, -2, 2, 2));
    if (power.noPowerVisible) Cross(painter, image.adjusted(-2, -2, 2, 2));
}

void PaintLegend(QPainter& painter) {
    // Entries flow in rows as wide as the cabinets, each as wide as its caption.
    const QFontMetrics metrics = painter.fontMetrics();
    const double right = (kCabinetLeft + 2 * kCabinetPitch + kCabinetWidth) / 15.0;
    double x = kCabinetLeft / 15.0, y = kLegendTop / 15.0;
    for (const CabinetLegendEntry& entry : kCabinetLegend) {
        const double width = 17 + metrics.horizontalAdvance(entry.caption);
        if (x + width > right) {
            x = kCabinetLeft / 15.0;
            y += kLegendRowPitch / 15.0;
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ToQColor(entry.colour));
        painter.drawRect(QRectF(x, y, 12, 12));
        painter.drawText(QRectF(x + 17, y - 4, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                         entry.caption);
        x += width + kLegendGap / 15.0;
    }
}

}  // namespace

void PaintCabinetPicture(QPainter& painter, const CabinetPicture& picture, const QColor& frame) {
    for (int c = 0; c < 3; ++c) {
        PaintCabinet(painter, picture, c, frame);
        PaintPower(painter, picture, c);
    }
    PaintLegend(painter);
}

CabinetPictureView::CabinetPictureView(const CabinetPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setObjectName("CabinetPicture");
}

void CabinetPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintCabinetPicture(painter, picture_, palette().color(QPalette::Dark));
}

}  // namespace veltra
