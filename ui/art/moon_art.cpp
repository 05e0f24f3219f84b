#include <QColor>
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

#include "ui/art/artwork.h"

namespace selenar::art {

namespace {

// A dark plain (mare): centre and radii on the unit disk (y down), darkness 0..1.
struct Mare {
  double x, y, rx, ry, darkness;
};

// Roughly where the maria lie on the near side, as seen from the north.
constexpr std::array<Mare, 12> kMaria{{
    {-0.33, -0.38, 0.28, 0.24, 0.55},  // Imbrium
    {0.14, -0.33, 0.16, 0.15, 0.50},   // Serenitatis
    {0.30, -0.04, 0.20, 0.17, 0.50},   // Tranquillitatis
    {0.64, -0.24, 0.10, 0.09, 0.60},   // Crisium
    {-0.62, 0.02, 0.26, 0.42, 0.45},   // Procellarum
    {-0.16, 0.40, 0.17, 0.13, 0.40},   // Nubium
    {0.55, 0.16, 0.12, 0.15, 0.45},    // Fecunditatis
    {0.36, 0.32, 0.08, 0.08, 0.45},    // Nectaris
    {-0.45, 0.42, 0.09, 0.08, 0.50},   // Humorum
    {0.00, -0.66, 0.45, 0.07, 0.35},   // Frigoris
    {-0.05, -0.12, 0.09, 0.07, 0.30},  // Vaporum
    {0.05, 0.10, 0.08, 0.06, 0.25},    // Sinus Medii
}};

// A small deterministic generator, so that every start draws the same Moon.
class Speckles {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return double(state_ >> 11) / double(1ULL << 53);
  }

 private:
  unsigned long long state_ = 20000106;
};

double Smooth(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

QImage FullMoon(const QImage& background) {
  QImage image = background.convertToFormat(QImage::Format_ARGB32);
  const int size = image.width();
  const double r = size / 2.0;
  QImage disk(size, size, QImage::Format_ARGB32);
  disk.fill(Qt::transparent);
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const double u = (px + 0.5 - r) / r, v = (py + 0.5 - r) / r;
      const double d2 = u * u + v * v;
      if (d2 > 1.0) continue;
      double shade = 0.0;
      for (const Mare& mare : kMaria) {
        // Drawn a little wider than listed, so that neighbouring maria join.
        const double du = (u - mare.x) / (1.2 * mare.rx), dv = (v - mare.y) / (1.2 * mare.ry);
        shade = std::max(shade, mare.darkness * (1.0 - Smooth(0.3, 1.0, du * du + dv * dv)));
      }
      // A fine grain so that the highlands do not look painted flat.
      const unsigned hash = (unsigned(px) * 73856093u) ^ (unsigned(py) * 19349663u);
      const double grain = ((hash >> 7) % 1000) / 1000.0 - 0.5;
      const double limb = 0.70 + 0.30 * std::sqrt(1.0 - d2);
      const double light = (0.88 - 0.34 * shade + 0.035 * grain) * limb;
      const int grey = int(std::clamp(light * 255.0, 0.0, 255.0));
      const int alpha = int(255 * (1.0 - Smooth(0.985, 1.0, std::sqrt(d2))));
      disk.setPixel(px, py, qRgba(grey, grey, std::max(0, grey - 6), alpha));
    }
  }
  QPainter painter(&disk);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  Speckles random;
  // Craters: a bright rim toward the Sun and a faint shadow inside.
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 90; ++i) {
    const double angle = random.Next() * 2 * std::numbers::pi;
    const double distance = std::sqrt(random.Next()) * 0.92;
    const QPointF centre(r + r * distance * std::cos(angle), r + r * distance * std::sin(angle));
    const double radius = 0.8 + random.Next() * random.Next() * 2.6;
    painter.setBrush(QColor(255, 255, 250, 34));
    painter.drawEllipse(centre + QPointF(-0.5, -0.5), radius, radius);
    painter.setBrush(QColor(60, 60, 64, 26));
    painter.drawEllipse(centre + QPointF(0.4, 0.4), radius * 0.75, radius * 0.75);
  }
  // Tycho and its rays in the southern highlands.
  const QPointF tycho(r - 0.12 * r, r + 0.72 * r);
  painter.setPen(QPen(QColor(255, 255, 250, 28), 1.2));
  for (int ray = 0; ray < 10; ++ray) {
    const double angle = ray * 2 * std::numbers::pi / 10 + 0.3;
    painter.drawLine(tycho, tycho + QPointF(std::cos(angle), std::sin(angle)) * r * 0.45);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 250, 120));
  painter.drawEllipse(tycho, 2.5, 2.5);
  painter.end();

  QPainter onBackground(&image);
  onBackground.drawImage(0, 0, disk);
  return image;
}

}  // namespace selenar::art
