#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "ui/art/artwork.h"

namespace selenar::art {

namespace {

// A transparent square picture, drawn with antialiasing by `draw`, which
// gets the painter and the size.
template <typename Draw>
QPixmap Icon(int size, Draw draw) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, double(size));
  return pixmap;
}

}  // namespace

QPixmap MoonMarker(int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    const QPointF centre(s / 2.0, s / 2.0);
    QRadialGradient glow(centre, s / 2.0);
    glow.setColorAt(0.0, QColor(255, 255, 230));
    glow.setColorAt(0.55, QColor(255, 245, 180));
    glow.setColorAt(0.75, QColor(255, 220, 120, 150));
    glow.setColorAt(1.0, QColor(255, 200, 80, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, s / 2.0, s / 2.0);
  });
}

QPixmap CourseArrow(bool ascending, int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    QPainterPath arrow;
    arrow.moveTo(s * 0.5, s * 0.08);
    arrow.lineTo(s * 0.90, s * 0.50);
    arrow.lineTo(s * 0.64, s * 0.50);
    arrow.lineTo(s * 0.64, s * 0.92);
    arrow.lineTo(s * 0.36, s * 0.92);
    arrow.lineTo(s * 0.36, s * 0.50);
    arrow.lineTo(s * 0.10, s * 0.50);
    arrow.closeSubpath();
    if (!ascending) {
      painter.translate(0, s);
      painter.scale(1, -1);
    }
    painter.setPen(QPen(QColor(20, 20, 10), 1.5));
    painter.setBrush(ascending ? QColor(120, 220, 110) : QColor(255, 160, 70));
    painter.drawPath(arrow);
  });
}

QPixmap PhaseIcon(bool fullMoon, int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    const QRectF disk(2, 2, s - 4, s - 4);
    if (fullMoon) {
      QRadialGradient light(disk.center() - QPointF(2, 2), s / 2.0);
      light.setColorAt(0.0, QColor(255, 255, 240));
      light.setColorAt(1.0, QColor(215, 210, 170));
      painter.setPen(QPen(QColor(255, 255, 200), 1.0));
      painter.setBrush(light);
    } else {
      painter.setPen(QPen(QColor(170, 180, 210), 1.2));
      painter.setBrush(QColor(20, 30, 60));
    }
    painter.drawEllipse(disk);
  });
}

QPixmap DayArrow(bool next, int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    QPainterPath triangle;
    triangle.moveTo(s * 0.30, s * 0.18);
    triangle.lineTo(s * 0.78, s * 0.50);
    triangle.lineTo(s * 0.30, s * 0.82);
    triangle.closeSubpath();
    if (!next) {
      painter.translate(s, 0);
      painter.scale(-1, 1);
    }
    painter.setPen(QPen(QColor(20, 40, 90), 1.2));
    painter.setBrush(QColor(60, 100, 180));
    painter.drawPath(triangle);
  });
}

QPixmap NowIcon(int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    const QRectF face(1, 1, s - 2, s - 2);
    painter.setPen(QPen(QColor(30, 60, 120), 1.2));
    painter.setBrush(QColor(250, 250, 235));
    painter.drawEllipse(face);
    const QPointF centre = face.center();
    painter.setPen(QPen(QColor(30, 60, 120), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -s * 0.32));
    painter.drawLine(centre, centre + QPointF(s * 0.24, 0));
  });
}

QPixmap PageIcon(int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    painter.setPen(QPen(QColor(60, 70, 100), 1.0));
    painter.setBrush(QColor(255, 255, 250));
    painter.drawRect(QRectF(s * 0.18, s * 0.08, s * 0.64, s * 0.84));
    painter.setPen(QPen(QColor(90, 110, 160), 1.0));
    for (int line = 0; line < 4; ++line) {
      const double y = s * (0.28 + 0.16 * line);
      painter.drawLine(QPointF(s * 0.28, y), QPointF(s * 0.72, y));
    }
  });
}

QPixmap CalendarIcon(int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    painter.setPen(QPen(QColor(60, 70, 100), 1.0));
    painter.setBrush(QColor(255, 255, 250));
    painter.drawRect(QRectF(s * 0.08, s * 0.16, s * 0.84, s * 0.76));
    painter.setBrush(QColor(200, 60, 60));
    painter.drawRect(QRectF(s * 0.08, s * 0.16, s * 0.84, s * 0.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 110, 160));
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 3; ++column) {
        painter.drawRect(
            QRectF(s * (0.2 + 0.22 * column), s * (0.48 + 0.2 * row), s * 0.14, s * 0.12));
      }
    }
  });
}

QPixmap SettingsIcon(int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    const QPointF centre(s / 2.0, s / 2.0);
    painter.setPen(QPen(QColor(60, 70, 100), s * 0.16, Qt::SolidLine, Qt::RoundCap));
    for (int tooth = 0; tooth < 8; ++tooth) {
      const double angle = tooth * std::numbers::pi / 4;
      const QPointF direction(std::cos(angle), std::sin(angle));
      painter.drawLine(centre + direction * s * 0.28, centre + direction * s * 0.42);
    }
    painter.setPen(QPen(QColor(60, 70, 100), s * 0.12));
    painter.setBrush(QColor(200, 205, 220));
    painter.drawEllipse(centre, s * 0.26, s * 0.26);
  });
}

QPixmap AboutIcon(int size) {
  return Icon(size, [=](QPainter& painter, double s) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 100, 190));
    painter.drawEllipse(QRectF(1, 1, s - 2, s - 2));
    QFont font("DejaVu Sans");
    font.setPixelSize(int(s * 0.72));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, "i");
  });
}

QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addPixmap(Icon(size, [=](QPainter& painter, double s) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(20, 32, 80));
      painter.drawEllipse(QRectF(0, 0, s, s));
      QPainterPath crescent;
      crescent.addEllipse(QRectF(s * 0.18, s * 0.14, s * 0.66, s * 0.72));
      QPainterPath bite;
      bite.addEllipse(QRectF(s * 0.36, s * 0.08, s * 0.62, s * 0.70));
      painter.setBrush(QColor(255, 228, 120));
      painter.drawPath(crescent.subtracted(bite));
    }));
  }
  return icon;
}

}  // namespace selenar::art
