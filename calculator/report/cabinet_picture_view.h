#pragma once
// The cabinet picture of the reports page's "Конфигурация" sub-page, painted
// from App::main.cabinet: three cabinets of nine slots, under each its power
// supply with the input, output and unit labels, the "no supply" and "no
// batteries" marks, and the legend.

#include <QWidget>

#include "state/cabinet_picture.h"

namespace veltra {

class CabinetPictureView : public QWidget {
  public:
    CabinetPictureView(const CabinetPicture& picture, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintCabinet(class QPainter& painter, int cabinet);
    void PaintPower(class QPainter& painter, int cabinet);
    void PaintLegend(class QPainter& painter);

    const CabinetPicture& picture_;
};

}  // namespace veltra
