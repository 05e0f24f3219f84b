#include "engine/moon_age.h"

#include <gtest/gtest.h>

#include "engine/julian_day.h"
#include "engine/lunar_phases.h"

namespace selenar {
namespace {

TEST(MoonAge, StartsAtTheNewMoonInstant) {
  const double newMoon = PhaseJulianDay(953, kNewMoon);
  const SerialDate instant = JulianDayToSerial(newMoon);
  EXPECT_NEAR(MoonAge(instant), 0.0, 1e-6);
  // Up to half a second before, the age already belongs to the new lunation.
  const double before = MoonAge(JulianDayToSerial(newMoon - 0.4 / 86400));
  EXPECT_LE(before, 0.0);
  EXPECT_GT(before, -0.0000058);
  // A second earlier still belongs to the lunation that is ending.
  EXPECT_GT(MoonAge(JulianDayToSerial(newMoon - 1.0 / 86400)), 29.0);
  EXPECT_NEAR(MoonAge(JulianDayToSerial(newMoon + 3.25)), 3.25, 1e-6);
}

TEST(MoonAge, AngleAndShareOfAge) {
  struct Case {
    double age;
    float angle, share;
    int percent;
  };
  const Case cases[] = {
      {1.0, 12.190749f, 1.1275f, 1},     {7.38264725, 90.0f, 50.0f, 50},
      {14.7652945, 180.0f, 100.0f, 100}, {22.14794175, 270.0f, 50.0f, 50},
      {29.0, 353.53f, 0.318f, 0},        {29.8, 363.28f, 0.082f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.age);
    EXPECT_NEAR(PhaseAngleOfAge(c.age), c.angle, 0.005);
    EXPECT_NEAR(VisibleShareOfAge(c.age), c.share, 0.0005);
    EXPECT_EQ(VisiblePercent(VisibleShareOfAge(c.age)), c.percent);
  }
}

TEST(MoonAge, VisiblePercent) {
  const std::pair<float, int> cases[] = {
      {0.0f, 0}, {50.0f, 50}, {99.2f, 99}, {99.2064f, 100}, {99.3f, 100}, {100.0f, 100},
  };
  for (const auto& [share, percent] : cases) EXPECT_EQ(VisiblePercent(share), percent) << share;
}

}  // namespace
}  // namespace selenar
