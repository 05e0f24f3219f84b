#include "phase_picture.h"

#include <QPainter>

namespace selenar {

PhasePicture::PhasePicture(QWidget* parent, const QImage& fullMoon)
    : QWidget(parent), fullMoon_(fullMoon), canvas_(fullMoon) {
  setObjectName("Picture3");
  setToolTip("Фаза в реальном времени");
  setFixedSize(fullMoon.size());
}

void PhasePicture::Clear() {
  canvas_ = fullMoon_;
  update();
}

void PhasePicture::DrawLine(double x1, double y1, double x2, double y2, std::uint32_t colour) {
  // Colours come as 0x00BBGGRR.
  const QColor pen(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  // Hard-edged lines: antialiased ones leave faint stripes between them.
  QPainter painter(&canvas_);
  painter.setPen(QPen(pen, lineWidth_, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  update();
}

void PhasePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_);
}

}  // namespace selenar
