#include "app/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "app/main_window.h"
#include "engine/phase_disk.h"
#include "ui/art/artwork.h"
#include "ui/shadowed_text.h"
#include "ui/twips.h"

namespace selenar {

namespace {

// Eight phases over a night-sky plate, shaded by the same geometry as the
// panel's Moon.
QImage PhaseStrip(QSize size) {
  QImage strip = art::NightSky(size);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing);
  constexpr int kPhases = 8;
  const int diameter = int(size.height() * 0.72);
  for (int i = 0; i < kPhases; ++i) {
    const QPointF topLeft(size.width() * (i + 0.5) / kPhases - diameter / 2.0,
                          size.height() / 2.0 - diameter / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(225, 225, 215));
    painter.drawEllipse(QRectF(topLeft, QSizeF(diameter, diameter)));
    painter.setPen(QPen(QColor(0, 45, 89), 2));
    for (const ShadowLine& line : PhaseShadowLines(float(22.5 + 45.0 * i), diameter)) {
      painter.drawLine(topLeft + QPointF(line.x1, line.y), topLeft + QPointF(line.x2, line.y));
    }
  }
  return strip;
}

}  // namespace

Splash::Splash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Splash");
  setFixedSize(TwipsRect(0, 0, 6765, 2775).size());
  strip_ = PhaseStrip(TwipsRect(0, 0, 6000, 750).size());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
  auto* title = new QLabel("Лунный календарь", this);
  title->setFont(PanelFont(9.75, true));
  title->setStyleSheet("color: #404040;");
  title->setGeometry(TwipsRect(600, 300, 6000, 330));
  auto* version = new QLabel("Версия: " + ProgramVersion(), this);
  version->setObjectName("Label2");
  version->setFont(PanelFont(9));
  version->setStyleSheet("color: #404040;");
  version->setGeometry(TwipsRect(600, 1800, 6000, 300));
}

void Splash::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawImage(TwipsRect(600, 915, 0, 0).topLeft(), strip_);
}

}  // namespace selenar
