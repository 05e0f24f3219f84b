#include "panel/phase_picture.h"

#include <QPainter>

namespace selenar {

PhasePicture::PhasePicture(QWidget* parent, const QImage& fullMoon)
    : QWidget(parent), fullMoon_(fullMoon) {
  setObjectName("Picture3");
  setToolTip("Фаза в реальном времени");
  setFixedSize(fullMoon.size());
}

void PhasePicture::Clear() {
  lines_.clear();
  update();
}

void PhasePicture::DrawLine(double x1, double y1, double x2, double y2, std::uint32_t colour) {
  // Colours come as 0x00BBGGRR.
  const QColor pen(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  lines_.push_back({QLineF(x1, y1, x2, y2), QPen(pen, lineWidth_, Qt::SolidLine, Qt::FlatCap)});
  update();
}

void PhasePicture::paintEvent(QPaintEvent*) {
  // Hard-edged lines: antialiased ones leave faint stripes between them.
  QPainter painter(this);
  painter.drawImage(0, 0, fullMoon_);
  for (const Line& line : lines_) {
    painter.setPen(line.pen);
    painter.drawLine(line.line);
  }
}

}  // namespace selenar
