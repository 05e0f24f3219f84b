#include "engine/time_zone.h"

#include <gtest/gtest.h>

#include "engine/date_text.h"
#include "tests/support/tz_guard.h"

namespace selenar {
namespace {

using testing::ScopedTimeZone;

SerialDate At(int y, int mo, int d, int h = 0, int mi = 0) {
  return SerialDate::FromFields(y, mo, d, h, mi);
}

// Minute arithmetic may leave a last-bit residue; moments agree to a microsecond.
void ExpectSameMoment(SerialDate actual, SerialDate expected) {
  EXPECT_NEAR(actual.Instant(), expected.Instant(), 1e-11)
      << GeneralDateText(actual) << " vs " << GeneralDateText(expected);
}

TEST(TimeZone, FixedOffsetConvertsBothWays) {
  const FixedTimeZone moscow(-180);
  const SerialDate local = At(2006, 3, 15, 12);
  ExpectSameMoment(LocalToUniversal(local, moscow), At(2006, 3, 15, 9));
  ExpectSameMoment(UniversalToLocal(At(2006, 3, 15, 9), moscow), local);
  const FixedTimeZone westOfGreenwich(300);
  ExpectSameMoment(LocalToUniversal(At(2000, 1, 1), westOfGreenwich), At(2000, 1, 1, 5));
}

// Each date takes the offset in force at that date, whatever today's is.
TEST(TimeZone, SystemZoneGivesEachDateItsOwnOffset) {
  struct Case {
    const char* zone;
    SerialDate local;
    int offset;
  };
  const Case cases[] = {
      {"UTC", At(2000, 1, 6, 12), 0},
      {"Etc/GMT-3", At(2000, 7, 6, 12), -180},
      {"Europe/Berlin", At(2000, 1, 6, 12), -60},
      {"Europe/Berlin", At(2000, 7, 6, 12), -120},
      {"America/New_York", At(2006, 1, 15, 12), 300},
      {"America/New_York", At(2006, 7, 15, 12), 240},
      {"Australia/Sydney", At(2006, 1, 15, 12), -660},
      {"Australia/Sydney", At(2006, 7, 15, 12), -600},
      {":Europe/Moscow", At(1990, 1, 15, 12), -180},
      {"Europe/Moscow", At(2012, 1, 15, 12), -240},  // permanent summer time then
      // POSIX rules rather than zone names.
      {"MSK-3", At(2006, 7, 15, 12), -180},
      {"EST5EDT,M3.2.0,M11.1.0", At(2006, 1, 15, 12), 300},
      {"EST5EDT,M3.2.0,M11.1.0", At(2006, 7, 15, 12), 240},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + GeneralDateText(c.local));
    ScopedTimeZone zone(c.zone);
    EXPECT_EQ(SystemZone().OffsetAtLocal(c.local), c.offset);
    const SerialDate universal = LocalToUniversal(c.local);
    ExpectSameMoment(universal, c.local.AddMinutes(c.offset));
    ExpectSameMoment(UniversalToLocal(universal), c.local);
  }
}

TEST(TimeZone, ClockChangesTakeTheEarlierOffset) {
  for (const char* name : {"Europe/Berlin", "CET-1CEST,M3.5.0,M10.5.0/3"}) {
    SCOPED_TRACE(name);
    ScopedTimeZone zone(name);
    // 26 March 2006 02:30 does not exist: read with winter time, 01:30 UT.
    ExpectSameMoment(LocalToUniversal(At(2006, 3, 26, 2, 30)), At(2006, 3, 26, 1, 30));
    // 29 October 2006 02:30 happens twice: the first one, 00:30 UT.
    ExpectSameMoment(LocalToUniversal(At(2006, 10, 29, 2, 30)), At(2006, 10, 29, 0, 30));
    // Around the change everything round-trips.
    ExpectSameMoment(LocalToUniversal(At(2006, 3, 26, 3, 30)), At(2006, 3, 26, 1, 30));
    ExpectSameMoment(LocalToUniversal(At(2006, 10, 29, 3, 30)), At(2006, 10, 29, 2, 30));
  }
}

TEST(TimeZone, TimeZoneOffsetFollowsTz) {
  ScopedTimeZone zone("Etc/GMT-5");
  EXPECT_EQ(TimeZoneOffset(), -300);
}

}  // namespace
}  // namespace selenar
