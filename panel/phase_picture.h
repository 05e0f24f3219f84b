#pragma once

#include <QImage>
#include <QLineF>
#include <QPen>
#include <QWidget>
#include <vector>

#include "engine/phase_disk.h"

namespace selenar {

// The Moon picture of the daily panel, on which the phase disk paints the
// shadow; clearing restores the picture of the full Moon. The lines are kept
// and painted together with the picture.
class PhasePicture : public QWidget, public PhaseDiskSurface {
 public:
  PhasePicture(QWidget* parent, const QImage& fullMoon);

  void SetPixelUnit() override {}
  void SetLineWidth(int pixels) override { lineWidth_ = pixels; }
  int WidthInPixels() const override { return fullMoon_.width(); }
  void Clear() override;
  void DrawLine(double x1, double y1, double x2, double y2, std::uint32_t colour) override;

  int ShadowLineCount() const { return int(lines_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Line {
    QLineF line;
    QPen pen;
  };
  QImage fullMoon_;
  std::vector<Line> lines_;
  int lineWidth_ = 1;
};

}  // namespace selenar
