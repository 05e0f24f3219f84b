#include "engine/phase_disk.h"

#include <cmath>

namespace selenar {

std::vector<ShadowLine> PhaseShadowLines(float phaseAngle, double width) {
  const double r = width / 2.0;
  const double k = std::atan(1.0) / 45.0;
  float a = phaseAngle;
  if (a >= 360.0f) a = static_cast<float>(std::fmod(std::nearbyint(a), 360.0));
  double side = -1.0;  // waxing: the dark part is on the left
  if (a > 180.0f) {
    side = 1.0;
    a -= 180.0f;
  }
  std::vector<ShadowLine> lines;
  if (a == 180.0f) return lines;
  lines.reserve(181);
  for (int t = -90; t <= 90; ++t) {
    const double y = r - r * std::sin(t * k);
    const double x1 = r + r * std::cos(a * k) * std::cos(t * k);
    const double x2 = r + side * r * std::cos(t * k);
    lines.push_back({x1, y, x2});
  }
  return lines;
}

void DrawPhaseDisk(float phaseAngle, PhaseDiskSurface& surface) {
  surface.SetPixelUnit();
  surface.SetLineWidth(kShadowLineWidth);
  const auto lines = PhaseShadowLines(phaseAngle, surface.WidthInPixels());
  surface.Clear();
  for (const ShadowLine& line : lines) {
    surface.DrawLine(line.x1, line.y, line.x2, line.y, kShadowColour);
  }
}

}  // namespace selenar
