#include "engine/phase_disk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/ecliptic_marker.h"

namespace selenar {
namespace {

constexpr double kWidth = 170.0;
constexpr double kRadius = 85.0;

// The middle line (t = 0) runs along the horizontal diameter.
const ShadowLine& Middle(const std::vector<ShadowLine>& lines) { return lines[90]; }

TEST(PhaseDisk, ShadowPerAngle) {
  struct Case {
    float angle;
    double terminator, limb;  // x of the middle line
  };
  const Case cases[] = {
      {0.0f, 170.0, 0.0},      // new moon: right limb to left limb, all dark
      {-0.0001f, 170.0, 0.0},  // half a second before new moon
      {90.0f, 85.0, 0.0},      // left half dark
      {270.0f, 85.0, 170.0},   // right half dark
      {363.28f, kRadius + kRadius * std::cos(3 * std::numbers::pi / 180), 0.0},  // reduced to 3
      {359.6f, kRadius + kRadius * std::cos(179.6 * std::numbers::pi / 180), 170.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    const auto lines = PhaseShadowLines(c.angle, kWidth);
    ASSERT_EQ(lines.size(), 181u);
    EXPECT_NEAR(Middle(lines).x1, c.terminator, 1e-3);
    EXPECT_NEAR(Middle(lines).x2, c.limb, 1e-9);
    EXPECT_NEAR(Middle(lines).y, kRadius, 1e-9);
    // Bottom to top, ending at the poles where the lines shrink to a point.
    EXPECT_NEAR(lines.front().y, 170.0, 1e-9);
    EXPECT_NEAR(lines.back().y, 0.0, 1e-9);
    EXPECT_NEAR(lines.back().x1, kRadius, 1e-9);
  }
}

TEST(PhaseDisk, FullMoonDrawsNothing) {
  EXPECT_TRUE(PhaseShadowLines(180.0f, kWidth).empty());
  EXPECT_TRUE(PhaseShadowLines(540.0f, kWidth).empty());  // 540 reduces to 180
  EXPECT_EQ(PhaseShadowLines(180.01f, kWidth).size(), 181u);
}

class RecordingSurface : public PhaseDiskSurface {
 public:
  void SetPixelUnit() override { calls.push_back("unit"); }
  void SetLineWidth(int pixels) override { calls.push_back("width " + std::to_string(pixels)); }
  int WidthInPixels() const override { return 170; }
  void Clear() override { calls.push_back("clear"); }
  void DrawLine(double, double, double, double, std::uint32_t colour) override {
    ++lines;
    lastColour = colour;
  }
  std::vector<std::string> calls;
  int lines = 0;
  std::uint32_t lastColour = 0;
};

TEST(PhaseDisk, DrawsOnTheSurfaceAfterClearing) {
  RecordingSurface surface;
  DrawPhaseDisk(45.0f, surface);
  EXPECT_EQ(surface.calls, (std::vector<std::string>{"unit", "width 2", "clear"}));
  EXPECT_EQ(surface.lines, 181);
  EXPECT_EQ(surface.lastColour, 0x592D00u);

  RecordingSurface full;
  DrawPhaseDisk(180.0f, full);
  EXPECT_EQ(full.calls.back(), "clear");
  EXPECT_EQ(full.lines, 0);
}

TEST(EclipticMarker, CentreRunsClockwiseFromTheTop) {
  struct Case {
    double longitude, x, y;  // the marker's centre
  };
  const Case cases[] = {{0, 1360, 4630}, {90, 2160, 5430}, {180, 1360, 6230}, {270, 560, 5430}};
  for (const Case& c : cases) {
    const TwipPoint topLeft = EclipticMarkerTopLeft(c.longitude, 240, 240);
    EXPECT_NEAR(topLeft.x + 120, c.x, 0.01) << c.longitude;
    EXPECT_NEAR(topLeft.y + 120, c.y, 0.01) << c.longitude;
  }
}

}  // namespace
}  // namespace selenar
