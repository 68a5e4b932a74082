#pragma once
// The cabinet picture of the reports page's "Конфигурация" sub-page, painted
// from App::main.cabinet: three cabinets of nine slots, under each its power
// supply with the input, output and unit labels, the "no supply" and "no
// batteries" marks, and the legend.

#include <QWidget>

#include "state/cabinet_picture.h"

class QPainter;

namespace veltra {

// The picture's plan is 450 by 300 pixels from the painter's origin; the
// cabinets' outlines in frame.
void PaintCabinetPicture(QPainter& painter, const CabinetPicture& picture, const QColor& frame);

class CabinetPictureView : public QWidget {
  public:
    CabinetPictureView(const CabinetPicture& picture, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CabinetPicture& picture_;
};

}  // namespace veltra
