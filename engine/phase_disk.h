#pragma once

#include <cstdint>
#include <vector>

namespace selenar {

// The unlit part's colour, 0x00BBGGRR: red 0, green 45, blue 89.
inline constexpr std::uint32_t kShadowColour = 0x592D00;
inline constexpr int kShadowLineWidth = 2;

// One horizontal shadow line from the terminator (x1) to the dark limb (x2).
struct ShadowLine {
  double x1, y, x2;
};

// The 181 lines, bottom to top, that shade a disk of the given width for a
// phase angle; none at exactly 180 (full moon). Angles of 360 and more are
// rounded to whole degrees modulo 360; above 180 the dark side is the right.
std::vector<ShadowLine> PhaseShadowLines(float phaseAngle, double width);

// The drawing surface of the phase picture; clearing restores the Moon picture.
class PhaseDiskSurface {
 public:
  virtual ~PhaseDiskSurface() = default;
  virtual void SetPixelUnit() = 0;
  virtual void SetLineWidth(int pixels) = 0;
  virtual int WidthInPixels() const = 0;
  virtual void Clear() = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2, std::uint32_t colour) = 0;
};

void DrawPhaseDisk(float phaseAngle, PhaseDiskSurface& surface);

}  // namespace selenar
