#include "engine/julian_day.h"

#include <gtest/gtest.h>

namespace selenar {
namespace {

TEST(JulianDay, SerialToJulianDay) {
  const std::pair<double, double> cases[] = {
      {0.0, 2415018.5},       {36526.0, 2451544.5},   {-1.25, 2415017.75},
      {-115858.0, 2299160.5}, {-115859.0, 2299169.5},
  };
  for (const auto& [serial, jd] : cases) {
    EXPECT_DOUBLE_EQ(SerialToJulianDay({serial}), jd) << serial;
  }
}

TEST(JulianDay, JulianDayToSerial) {
  const std::pair<double, double> cases[] = {
      {2451544.5, 36526.0},
      {2415017.75, -1.25},
      {2415019.0, 0.5},
      {2299160.5, -115858.0},
      {2299159.5, -115869.0},
      {1000000.0, 0.0},  // out of range
      {2415018.5 - 36521.5, -36522.5},
  };
  for (const auto& [jd, serial] : cases) {
    EXPECT_DOUBLE_EQ(JulianDayToSerial(jd).value, serial) << jd;
  }
}

TEST(JulianDay, Ranges) {
  EXPECT_TRUE(IsJulianDayInRange(1757593.50001));
  EXPECT_FALSE(IsJulianDayInRange(1757593.5));
  EXPECT_TRUE(IsJulianDayInRange(5373484.49998843));
  EXPECT_FALSE(IsJulianDayInRange(5373484.5));

  const std::pair<double, bool> phaseDates[] = {
      {2958465.99999, true}, {2958466.0, false}, {-115860.5, false}, {-115859.5, true},
      {-115869.25, true},    {-657418.0, false}, {-657417.5, true},
  };
  for (const auto& [serial, valid] : phaseDates) {
    EXPECT_EQ(IsPhaseDateValid({serial}), valid) << serial;
  }
  EXPECT_FALSE(IsPhaseDateValid({std::numeric_limits<double>::quiet_NaN()}));
}

TEST(JulianDay, GregorianSwitchDateIsFifteenthOctober1582) {
  EXPECT_DOUBLE_EQ(SerialDate::FromFields(1582, 10, 15).value, kGregorianSwitchDate);
}

TEST(AngleToRadians, ReducesKeepingTheSign) {
  constexpr double k = 0.0174532925199433;
  const std::pair<double, double> cases[] = {
      {360.0, 0.0}, {-720.5, -0.5}, {725.0, 5.0}, {-370.0, -10.0}, {359.7, 359.7}, {719.7, 359.7},
  };
  for (const auto& [degrees, reduced] : cases) {
    EXPECT_NEAR(AngleToRadians(degrees), reduced * k, 1e-12) << degrees;
  }
}

}  // namespace
}  // namespace selenar
