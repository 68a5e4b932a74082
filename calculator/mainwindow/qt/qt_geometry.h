#pragma once
// Twips to pixels and back for Qt geometry.

#include <QPoint>
#include <QRect>

#include "mainwindow/main_form_layout.h"

namespace veltra {

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height)};
}

inline QPoint ToPixels(const TwipsPoint& p) {
    return {TwipsToPixels(p.left), TwipsToPixels(p.top)};
}

}  // namespace veltra
