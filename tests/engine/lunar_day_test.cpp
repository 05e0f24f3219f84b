#include "engine/lunar_day.h"

#include <gtest/gtest.h>

#include "engine/julian_day.h"
#include "engine/lunar_phases.h"
#include "engine/moon_age.h"

namespace selenar {
namespace {

TEST(LunarDay, AgeRoundedUpAtLeastOne) {
  const std::pair<double, double> cases[] = {
      {0.0, 1},  {0.5, 1},   {1.0, 1},   {1.0000001, 2}, {5.0, 5},
      {5.01, 6}, {29.0, 29}, {29.2, 30}, {-0.000005, 1},
  };
  for (const auto& [age, day] : cases) EXPECT_EQ(LunarDayNumber(age), day) << age;
}

TEST(LunarDay, ShortLunationStillHasADayThirty) {
  // Find the shortest lunation of 2000..2020; its day 30 lasts a few hours.
  double shortest = 100.0;
  int lunation = 0;
  for (int n = 953; n < 953 + 250; ++n) {
    const double length = PhaseJulianDay(n + 1, kNewMoon) - PhaseJulianDay(n, kNewMoon);
    if (length < shortest) {
      shortest = length;
      lunation = n;
    }
  }
  ASSERT_LT(shortest, 29.3);
  const double lastHour = PhaseJulianDay(lunation + 1, kNewMoon) - 1.0 / 24;
  EXPECT_EQ(LunarDayNumber(MoonAge(JulianDayToSerial(lastHour))), 30);
}

// Three hours ahead of UT, the new moon of 6 January 2000 falls at 21:14:45.
TEST(LunarDay, DateSamplesAroundANewMoon) {
  struct Case {
    int day;
    int first, second;
    const char* text;
  };
  const Case cases[] = {{5, 28, 29, "28/29"}, {6, 29, 1, "29/1"}, {7, 1, 2, "1/2"}};
  const FixedTimeZone zone(-180);
  for (const Case& c : cases) {
    const DateSample sample = LunarDaysOfDate(SerialDate::FromFields(2000, 1, c.day), zone);
    EXPECT_EQ(sample.firstLunarDay, c.first) << c.day;
    EXPECT_EQ(sample.secondLunarDay, c.second) << c.day;
    EXPECT_EQ(LunarDayPairText(sample.firstLunarDay, sample.secondLunarDay), c.text);
  }
}

TEST(LunarDay, PairText) {
  EXPECT_EQ(LunarDayPairText(12, 12), "12");
  EXPECT_EQ(LunarDayPairText(12, 13), "12/13");
  EXPECT_EQ(LunarDayPairText(0, 0), "");
}

}  // namespace
}  // namespace selenar
