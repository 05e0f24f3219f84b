#include <gtest/gtest.h>

#include <cmath>

#include "engine/calendar_range.h"
#include "engine/day_values.h"
#include "tests/support/tz_guard.h"

namespace selenar {
namespace {

// Every day of the calendar's range, at noon in a zone with daylight saving.
TEST(RangeSweep, EveryDayKeepsTheInvariants) {
  testing::ScopedTimeZone zone("Europe/Moscow");
  const SerialDate last = LastSelectableDate();
  int failures = 0;
  int previousDay = 0;
  for (SerialDate day = FirstSelectableDate().AddMinutes(12 * 60); day <= last.AddDays(1);
       day = day.AddDays(1)) {
    const DayValues v = ComputeDayValues(day);
    const bool ok =
        v.lunarDay >= 1 && v.lunarDay <= 30 && v.sign >= 1 && v.sign <= 12 &&
        v.previousNewMoon <= v.moment && v.moment < v.nextNewMoon &&
        v.previousFullMoon < v.moment && v.moment < v.nextFullMoon && v.visiblePercent >= 0 &&
        v.visiblePercent <= 100 &&
        // Day to day the lunar day advances by one (the clock change
        // of daylight saving can make that zero or two) or starts over.
        (previousDay == 0 || std::abs(v.lunarDay - previousDay - 1) <= 1 || v.lunarDay <= 2);
    if (!ok && ++failures <= 5) ADD_FAILURE() << "invariants broken on " << day.value;
    previousDay = static_cast<int>(v.lunarDay);
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace selenar
