#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/word_tables.h"
#include "ui/art/artwork.h"

namespace selenar::art {

namespace {

// A stylised constellation in a unit box: its stars and the lines joining them.
struct Constellation {
  std::vector<QPointF> stars;
  std::vector<std::pair<int, int>> lines;
};

const std::array<Constellation, 12>& Constellations() {
  static const std::array<Constellation, 12> table{{
      {{{0.12, 0.62}, {0.45, 0.42}, {0.64, 0.44}, {0.80, 0.56}}, {{0, 1}, {1, 2}, {2, 3}}},
      {{{0.10, 0.12},
        {0.38, 0.42},
        {0.50, 0.58},
        {0.62, 0.44},
        {0.92, 0.18},
        {0.66, 0.50},
        {0.30, 0.80}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 6}, {3, 5}}},
      {{{0.25, 0.10},
        {0.62, 0.12},
        {0.28, 0.45},
        {0.60, 0.48},
        {0.20, 0.85},
        {0.42, 0.80},
        {0.66, 0.86}},
       {{0, 2}, {2, 4}, {2, 5}, {1, 3}, {3, 6}, {0, 1}}},
      {{{0.50, 0.20}, {0.50, 0.50}, {0.22, 0.82}, {0.78, 0.80}}, {{0, 1}, {1, 2}, {1, 3}}},
      {{{0.18, 0.70},
        {0.42, 0.68},
        {0.58, 0.52},
        {0.52, 0.30},
        {0.66, 0.16},
        {0.84, 0.26},
        {0.86, 0.70}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {2, 6}, {1, 6}}},
      {{{0.10, 0.20},
        {0.30, 0.35},
        {0.46, 0.40},
        {0.62, 0.34},
        {0.86, 0.22},
        {0.50, 0.66},
        {0.70, 0.80},
        {0.30, 0.82}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 5}, {5, 6}, {5, 7}}},
      {{{0.50, 0.15}, {0.24, 0.45}, {0.78, 0.42}, {0.18, 0.80}, {0.84, 0.78}},
       {{0, 1}, {0, 2}, {1, 2}, {1, 3}, {2, 4}}},
      {{{0.88, 0.12},
        {0.80, 0.30},
        {0.66, 0.40},
        {0.52, 0.52},
        {0.42, 0.68},
        {0.30, 0.82},
        {0.14, 0.78},
        {0.10, 0.62}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}},
      {{{0.20, 0.55},
        {0.40, 0.40},
        {0.54, 0.56},
        {0.72, 0.38},
        {0.86, 0.20},
        {0.62, 0.78},
        {0.34, 0.76}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 5}, {2, 6}, {1, 3}}},
      {{{0.10, 0.30}, {0.30, 0.40}, {0.52, 0.70}, {0.70, 0.62}, {0.90, 0.28}, {0.55, 0.32}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}}},
      {{{0.12, 0.20},
        {0.34, 0.28},
        {0.52, 0.22},
        {0.70, 0.34},
        {0.60, 0.58},
        {0.44, 0.82},
        {0.82, 0.72}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {4, 6}}},
      {{{0.08, 0.20},
        {0.20, 0.32},
        {0.34, 0.50},
        {0.50, 0.78},
        {0.66, 0.52},
        {0.80, 0.40},
        {0.92, 0.30},
        {0.86, 0.18}},
       {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 5}}},
  }};
  return table;
}

QFont SymbolFont(double pixels, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  return font;
}

QString SymbolText(int sign) {
  return QString::fromStdString(ZodiacSymbolText(ZodiacSymbolCode(sign)));
}

}  // namespace

QImage SignPicture(int sign, const QImage& background) {
  QImage image = background.convertToFormat(QImage::Format_ARGB32);
  if (sign < 1 || sign > 12) return image;
  const double w = image.width(), h = image.height();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  // The symbol, large and faint, behind the constellation.
  painter.setFont(SymbolFont(h * 0.48));
  painter.setPen(QColor(255, 214, 90, 70));
  painter.drawText(QRectF(0, h * 0.10, w, h * 0.60), Qt::AlignCenter, SymbolText(sign));

  const Constellation& constellation = Constellations()[std::size_t(sign - 1)];
  const QRectF box(w * 0.14, h * 0.16, w * 0.72, h * 0.50);
  const auto place = [&box](QPointF p) {
    return QPointF(box.left() + p.x() * box.width(), box.top() + p.y() * box.height());
  };
  painter.setPen(QPen(QColor(150, 180, 255, 150), 1.0));
  for (const auto& [from, to] : constellation.lines) {
    painter.drawLine(place(constellation.stars[std::size_t(from)]),
                     place(constellation.stars[std::size_t(to)]));
  }
  painter.setPen(Qt::NoPen);
  for (std::size_t i = 0; i < constellation.stars.size(); ++i) {
    const double radius = i % 3 == 0 ? 2.6 : 1.9;
    painter.setBrush(QColor(160, 190, 255, 70));
    painter.drawEllipse(place(constellation.stars[i]), radius + 2, radius + 2);
    painter.setBrush(QColor(240, 245, 255));
    painter.drawEllipse(place(constellation.stars[i]), radius, radius);
  }

  painter.setFont(SymbolFont(15, true));
  const QRectF nameBox(0, h * 0.70, w, h * 0.10);
  const QString name = QString::fromStdString(std::string(SignName(sign)));
  painter.setPen(Qt::black);
  painter.drawText(nameBox.translated(1, 1), Qt::AlignCenter, name);
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(nameBox, Qt::AlignCenter, name);
  return image;
}

QImage EclipticWheel(const QImage& background, QPointF centre, double radius) {
  QImage image = background.convertToFormat(QImage::Format_ARGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double outer = radius + 17, inner = radius - 17;
  painter.setPen(QPen(QColor(150, 180, 255, 170), 1.0));
  painter.setBrush(QColor(40, 60, 120, 60));
  painter.drawEllipse(centre, outer, outer);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, inner, inner);
  painter.setPen(QPen(QColor(150, 180, 255, 90), 1.0, Qt::DotLine));
  painter.drawEllipse(centre, radius, radius);
  // Sector borders every 30 degrees, longitude 0 at the top, growing clockwise.
  const auto at = [&centre](double degrees, double distance) {
    const double a = degrees * std::numbers::pi / 180.0;
    return QPointF(centre.x() + distance * std::sin(a), centre.y() - distance * std::cos(a));
  };
  painter.setPen(QPen(QColor(150, 180, 255, 170), 1.0));
  for (int sign = 0; sign < 12; ++sign)
    painter.drawLine(at(30.0 * sign, inner), at(30.0 * sign, outer));
  painter.setFont(SymbolFont(15));
  for (int sign = 1; sign <= 12; ++sign) {
    const QPointF middle = at(30.0 * sign - 15.0, radius);
    painter.setPen(QColor(255, 230, 120));
    painter.drawText(QRectF(middle.x() - 10, middle.y() - 10, 20, 20), Qt::AlignCenter,
                     SymbolText(sign));
  }
  // The Earth in the middle.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 130, 220));
  painter.drawEllipse(centre, 7, 7);
  painter.setBrush(QColor(90, 170, 90));
  painter.drawEllipse(centre + QPointF(-2, -1), 3, 4);
  return image;
}

}  // namespace selenar::art
