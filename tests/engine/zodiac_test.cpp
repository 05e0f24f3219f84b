#include "engine/zodiac.h"

#include <gtest/gtest.h>

namespace selenar {
namespace {

TEST(Zodiac, MoonLongitudeAtKnownMoments) {
  struct Case {
    SerialDate universal;
    double longitude;
    int sign;
    const char* position;
  };
  const Case cases[] = {
      {SerialDate::FromFields(2000, 1, 6, 18, 14), 285.7379, 10, "15° 44' Козерога"},
      {SerialDate::FromFields(2000, 1, 21, 4, 41), 120.4412, 5, "0° 26' Льва"},
      {SerialDate::FromFields(2006, 3, 15, 9, 0), 178.9013, 6, "28° 54' Девы"},
      // The series sums to a negative longitude here, which wraps to Pisces.
      {SerialDate::FromFields(2006, 10, 6, 5, 0), 359.6537, 12, "29° 39' Рыб"},
      // Before 1900 every argument is negative before reduction.
      {SerialDate::FromFields(1850, 6, 15, 12, 0), 155.4454, 6, "5° 26' Девы"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_NEAR(MoonLongitude(c.universal), c.longitude, 0.00005);
    EXPECT_EQ(MoonSign(c.universal), c.sign);
    EXPECT_EQ(SignPositionText(c.universal), c.position);
  }
}

TEST(Zodiac, SecondsDoNotCount) {
  EXPECT_EQ(MoonLongitude(SerialDate::FromFields(2006, 3, 15, 12, 0, 0)),
            MoonLongitude(SerialDate::FromFields(2006, 3, 15, 12, 0, 59)));
}

TEST(Zodiac, SignOfLongitude) {
  const std::pair<double, int> cases[] = {
      {-0.1, 0}, {0.0, 1}, {29.9999, 1}, {30.0, 2}, {330.0, 12}, {359.99, 12}, {360.0, 1},
  };
  for (const auto& [longitude, sign] : cases)
    EXPECT_EQ(SignOfLongitude(longitude), sign) << longitude;
  EXPECT_EQ(SignPositionTextOfLongitude(330.09), "0° 5' Рыб");
}

TEST(Zodiac, CourseAndElementPerSign) {
  struct Case {
    int sign, course;
    const char* courseWord;
    int element;
    const char* elementText;
  };
  const Case cases[] = {
      {1, 1, "Восходящая", 1, "День тепла"},
      {2, 1, "Восходящая", 3, "День холода"},
      {3, 1, "Восходящая", 2, "День света"},
      {4, 2, "Нисходящая", 4, "День воды"},
      {5, 2, "Нисходящая", 1, "День тепла"},
      {6, 2, "Нисходящая", 3, "День холода"},
      {7, 2, "Нисходящая", 2, "День света"},
      {8, 2, "Нисходящая", 4, "День воды"},
      {9, 2, "Нисходящая", 1, "День тепла"},
      {10, 1, "Восходящая", 3, "День холода"},
      {11, 1, "Восходящая", 2, "День света"},
      {12, 1, "Восходящая", 4, "День воды"},
      {0, 3, "", 0, "День "},
      {13, 3, "", 0, "День "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sign);
    EXPECT_EQ(MoonCourse(c.sign).code, c.course);
    EXPECT_EQ(MoonCourse(c.sign).word, c.courseWord);
    EXPECT_EQ(ElementCode(c.sign), c.element);
    EXPECT_EQ(ElementDayText(c.sign), c.elementText);
  }
}

}  // namespace
}  // namespace selenar
