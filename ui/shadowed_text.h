#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace selenar {

// A panel text drawn twice: yellow on top of a black copy shifted right and
// down, which gives it a shadow on the dark panel. Both copies always carry
// the same text.
class ShadowedText {
 public:
  ShadowedText(QWidget* parent, const QString& yellowName, QRect yellowGeometry,
               const QString& blackName, QRect blackGeometry, const QFont& font,
               Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop);

  void SetText(const QString& text);
  QString Text() const { return yellow_->text(); }
  QLabel* Yellow() const { return yellow_; }
  QLabel* Black() const { return black_; }

 private:
  QLabel* black_;
  QLabel* yellow_;
};

// "DejaVu Sans" at a point size, which has Cyrillic and the zodiac symbols.
QFont PanelFont(double points, bool bold = false);

}  // namespace selenar
