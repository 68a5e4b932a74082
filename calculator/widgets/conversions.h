#pragma once
// The models' units in Qt's: twips to pixels, 0x00BBGGRR colours to QColor.

#include <QColor>
#include <QPoint>
#include <QRect>

#include "catalogue/colour.h"
#include "state/twips.h"

namespace veltra {

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToPixels(float(r.left)), TwipsToPixels(float(r.top)),
            TwipsToPixels(float(r.width)), TwipsToPixels(float(r.height))};
}

inline QPoint ToPixels(const TwipsPoint& p) {
    return {TwipsToPixels(p.left), TwipsToPixels(p.top)};
}

inline TwipsRect ToTwips(const QRect& r) {
    return {r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
            r.height() * kTwipsPerPixel};
}

inline QColor ToQColor(Colour colour) {
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

}  // namespace veltra
