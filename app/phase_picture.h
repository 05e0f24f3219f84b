#pragma once

#include <QImage>
#include <QWidget>

#include "engine/phase_disk.h"

namespace selenar {

// The Moon picture of the daily panel, on which the phase disk paints the
// shadow; clearing restores the picture of the full Moon.
class PhasePicture : public QWidget, public PhaseDiskSurface {
 public:
  PhasePicture(QWidget* parent, const QImage& fullMoon);

  void SetPixelUnit() override {}
  void SetLineWidth(int pixels) override { lineWidth_ = pixels; }
  int WidthInPixels() const override { return canvas_.width(); }
  void Clear() override;
  void DrawLine(double x1, double y1, double x2, double y2, std::uint32_t colour) override;

  const QImage& Canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage fullMoon_;
  QImage canvas_;
  int lineWidth_ = 1;
};

}  // namespace selenar
