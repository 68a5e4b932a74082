#include "look.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

namespace veltra {

void ApplyLook(QApplication& application) {
    application.setStyle(QStyleFactory::create("Fusion"));
    application.setPalette(application.style()->standardPalette());
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    application.setFont(font);
}

}  // namespace veltra
