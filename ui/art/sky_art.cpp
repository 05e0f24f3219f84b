#include <QLinearGradient>
#include <QPainter>

#include "ui/art/artwork.h"

namespace selenar::art {

QImage NightSky(QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0.0, QColor(12, 18, 44));
  gradient.setColorAt(1.0, QColor(4, 6, 18));
  painter.fillRect(image.rect(), gradient);
  // Faint stars from a fixed sequence, the same at every start.
  unsigned state = 1900;
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return (state >> 8) & 0xFFFF;
  };
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const int stars = size.width() * size.height() / 260;
  for (int i = 0; i < stars; ++i) {
    const double x = next() % size.width() + 0.5, y = next() % size.height() + 0.5;
    const int brightness = 60 + int(next() % 120);
    const double radius = next() % 9 == 0 ? 1.1 : 0.6;
    painter.setBrush(QColor(200, 210, 255, brightness));
    painter.drawEllipse(QPointF(x, y), radius, radius);
  }
  return image;
}

}  // namespace selenar::art
