#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <array>
#include <memory>

#include "engine/day_values.h"
#include "panel/phase_picture.h"
#include "ui/link_label.h"
#include "ui/shadowed_text.h"

namespace selenar {

// The tall panel with the Moon's state for the selected moment (Picture2).
// It renders the values the engine computed; it computes nothing itself.
class DailyPanel : public QWidget {
  Q_OBJECT

 public:
  explicit DailyPanel(QWidget* parent);

  // Fills every element from the values of one moment, in the panel's order;
  // with the ecliptic option on, the marker moves instead of the sign picture.
  void ShowValues(const DayValues& values, bool eclipticShown);

  // The ecliptic option was switched: show or hide the marker; turning it on
  // paints the wheel and marks the sign-picture cache "-1".
  void ShowEcliptic(bool shown);

  // The sign whose picture is painted in the zodiac area, "-1" after the wheel.
  const QString& SignPictureCache() const { return signPictureCache_; }
  int SignPicturePaints() const { return signPicturePaints_; }
  PhasePicture* Phase() const { return phase_; }

 signals:
  // A new or full moon link was clicked; the text is the moment it shows.
  void phaseLinkClicked(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintZodiacArea(const QImage& picture);
  const QImage& SignPictureOf(int sign);
  QImage ZodiacBackground() const;

  QImage sky_;
  QImage zodiacArea_;
  std::array<QImage, 12> signPictures_;  // drawn on first use
  QImage wheel_;                         // drawn on first use
  QString signPictureCache_;
  int signPicturePaints_ = 0;

  PhasePicture* phase_;
  std::unique_ptr<ShadowedText> dayCaption_;
  std::unique_ptr<ShadowedText> lunarDay_;
  std::unique_ptr<ShadowedText> visibility_;
  std::unique_ptr<ShadowedText> phaseText_;
  std::unique_ptr<ShadowedText> position_;
  std::unique_ptr<ShadowedText> element_;
  std::unique_ptr<ShadowedText> glyph_;
  std::array<LinkLabel*, 4> links_{};  // previous new, next new, previous full, next full
  QLabel* marker_;
  QLabel* ascending_;
  QLabel* descending_;
};

}  // namespace selenar
