#include "engine/lunar_phases.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/julian_day.h"

namespace selenar {
namespace {

SerialDate At(int y, int mo, int d, int h = 0, int mi = 0, double s = 0) {
  return SerialDate::FromFields(y, mo, d, h, mi, s);
}

TEST(LunarPhases, PhaseJulianDayMatchesKnownInstants) {
  struct Case {
    int lunation, phase;
    double jd;
  };
  const Case cases[] = {
      {953, kNewMoon, 2451550.26025},
      {953, kFullMoon, 2451564.69546},
      {954, kNewMoon, 2451580.04470},
      {1, kNewMoon, 2423436.61198},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(PhaseJulianDay(c.lunation, c.phase), c.jd, 0.000005)
        << c.lunation << "/" << c.phase;
  }
}

// The lunation search answers from the mean instant when it safely can; that
// only holds while the corrections stay inside the margin.
TEST(LunarPhases, CorrectionsStayWithinTheSearchMargin) {
  double largest = 0.0;
  for (int n = -23700; n <= 99000; ++n) {  // years 100 .. 9999
    for (const int phase : {kNewMoon, kFullMoon}) {
      largest =
          std::max(largest, std::abs(PhaseJulianDay(n, phase) - MeanPhaseJulianDay(n, phase)));
    }
  }
  EXPECT_LT(largest, 0.8 * kMaxPhaseCorrection);
}

TEST(LunarPhases, LunationNumberCountsHalfASecondEarly) {
  EXPECT_EQ(LunationNumber(At(2000, 1, 6, 18, 14, 44)), 952);
  EXPECT_EQ(LunationNumber(At(2000, 1, 6, 18, 14, 45)), 953);
  EXPECT_EQ(LunationNumber(At(1923, 1, 17, 12)), 1);
  EXPECT_EQ(LunationNumber(At(1900, 1, 1)), -285);  // new moon 2 December 1899
  EXPECT_EQ(LunationNumber(At(2100, 12, 31, 23, 59)), 2202);
}

// Around every new moon of the two centuries the search agrees with a plain
// comparison against the full series.
TEST(LunarPhases, LunationNumberBracketsTheMoment) {
  for (int n = -284; n <= 2201; ++n) {
    const double start = PhaseJulianDay(n, kNewMoon);
    for (const double offset : {-0.5, -1e-5, 1e-5, 0.9, 15.0}) {
      const SerialDate t = JulianDayToSerial(start + offset);
      const int expected = offset > -0.00001158 / 2 ? n : n - 1;
      ASSERT_EQ(LunationNumber(t), expected) << n << " " << offset;
    }
  }
}

TEST(LunarPhases, NeighbouringPhases) {
  const SerialDate t = At(2000, 1, 10);
  const SerialDate newMoon = JulianDayToSerial(PhaseJulianDay(953, kNewMoon));
  const SerialDate fullMoon = JulianDayToSerial(PhaseJulianDay(953, kFullMoon));
  EXPECT_EQ(PreviousNewMoon(t), newMoon);
  EXPECT_EQ(NextNewMoon(t), JulianDayToSerial(PhaseJulianDay(954, kNewMoon)));
  EXPECT_EQ(NextFullMoon(t), fullMoon);
  EXPECT_EQ(PreviousFullMoon(t), JulianDayToSerial(PhaseJulianDay(952, kFullMoon)));
  // At the exact full-moon instant both neighbours are the other lunations'.
  EXPECT_EQ(NextFullMoon(fullMoon), JulianDayToSerial(PhaseJulianDay(954, kFullMoon)));
  EXPECT_EQ(PreviousFullMoon(fullMoon), JulianDayToSerial(PhaseJulianDay(952, kFullMoon)));
  // At the exact new-moon instant it starts the lunation; the next is the following one.
  EXPECT_EQ(PreviousNewMoon(newMoon), newMoon);
  EXPECT_EQ(NextNewMoon(newMoon), JulianDayToSerial(PhaseJulianDay(954, kNewMoon)));
}

TEST(LunarPhases, WaxingUntilTheFullMoonInstant) {
  const SerialDate fullMoon = JulianDayToSerial(PhaseJulianDay(953, kFullMoon));
  EXPECT_EQ(WaxWaneCode(fullMoon.AddMinutes(-1)), 2);
  EXPECT_EQ(WaxWaneCode(fullMoon), 4);
  EXPECT_EQ(WaxWaneCode(At(2000, 1, 7)), 2);
  EXPECT_EQ(WaxWaneCode(At(2000, 2, 1)), 4);
  EXPECT_EQ(WaxWaneCode({2958466.0}), 0);
}

TEST(LunarPhases, PhaseCodeAndTextOnPhaseDates) {
  struct Case {
    SerialDate moment;
    int code;
    const char* text;
  };
  const FixedTimeZone moscow(-180);
  const Case cases[] = {
      // 6 January 2000, new moon at 18:14:45 UT, 21:14:45 in Moscow.
      {At(2000, 1, 6, 0, 0), 1, "Новолуние\r\n06.01.2000 21:14:45"},
      {At(2000, 1, 6, 23, 59), 1, "Новолуние\r\n06.01.2000 21:14:45"},
      // 21 January 2000, full moon at 04:41:27 UT.
      {At(2000, 1, 21, 0, 1), 3, "Полнолуние\r\n21.01.2000 7:41:27"},
      {At(2000, 1, 21, 23, 0), 3, "Полнолуние\r\n21.01.2000 7:41:27"},
      {At(2000, 1, 7, 0, 0), 2, "Растущая"},
      {At(2000, 1, 22, 0, 0), 4, "Убывающая"},
      {At(2000, 1, 5, 23, 59), 4, "Убывающая"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PhaseCode(c.moment), c.code);
    EXPECT_EQ(PhaseText(c.moment, moscow), c.text);
  }
}

TEST(LunarPhases, PhaseTextShowsTheLocalDateOfTheUniversalPhase) {
  // The full moon of 21 January 2000 04:41 UT is still 20 January in New York.
  EXPECT_EQ(PhaseText(At(2000, 1, 21, 12), FixedTimeZone(300)),
            "Полнолуние\r\n20.01.2000 23:41:27");
}

}  // namespace
}  // namespace selenar
