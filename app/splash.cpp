#include "splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "art/artwork.h"
#include "engine/phase_disk.h"
#include "main_window.h"
#include "shadowed_text.h"
#include "twips.h"

namespace selenar {

Splash::Splash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Splash");
  setFixedSize(TwipsRect(0, 0, 6765, 2775).size());
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
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  // The picture strip: the Moon's phases over a night-sky plate.
  const QRect strip = TwipsRect(600, 915, 6000, 750);
  painter.drawImage(strip.topLeft(), art::NightSky(strip.size()));
  // Eight phases, shaded by the same geometry as the panel's Moon.
  constexpr int kPhases = 8;
  const int diameter = int(strip.height() * 0.72);
  for (int i = 0; i < kPhases; ++i) {
    const QPointF topLeft(strip.left() + strip.width() * (i + 0.5) / kPhases - diameter / 2.0,
                          strip.center().y() - diameter / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(225, 225, 215));
    painter.drawEllipse(QRectF(topLeft, QSizeF(diameter, diameter)));
    painter.setPen(QPen(QColor(0, 45, 89), 2));
    for (const ShadowLine& line : PhaseShadowLines(float(22.5 + 45.0 * i), diameter)) {
      painter.drawLine(topLeft + QPointF(line.x1, line.y), topLeft + QPointF(line.x2, line.y));
    }
  }
}

}  // namespace selenar
