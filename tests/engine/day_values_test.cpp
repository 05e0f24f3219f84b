#include "engine/day_values.h"

#include <gtest/gtest.h>

#include "engine/date_text.h"

namespace selenar {
namespace {

TEST(DayValues, NewMoonEveningInMoscow) {
  const FixedTimeZone moscow(-180);
  const DayValues v = ComputeDayValues(SerialDate::FromFields(2000, 1, 6, 21, 14), moscow);
  EXPECT_EQ(v.momentUT, SerialDate::FromFields(2000, 1, 6, 18, 14));
  EXPECT_EQ(v.lunarDay, 30);  // 45 seconds before the new moon
  EXPECT_EQ(v.sign, 10);
  EXPECT_EQ(v.signPosition, "15° 44' Козерога");
  EXPECT_EQ(v.visibilityText, "Видимость Луны: 0 %");
  EXPECT_EQ(v.phaseCode, 1);
  EXPECT_EQ(v.phaseText, "Новолуние\r\n06.01.2000 21:14:45");
  EXPECT_EQ(GeneralDateText(v.nextNewMoon), "06.01.2000 21:14:45");
  EXPECT_EQ(GeneralDateText(v.nextFullMoon), "21.01.2000 7:41:27");
  EXPECT_EQ(v.courseText, "Восходящая");
  EXPECT_EQ(v.elementText, "День холода");
  EXPECT_EQ(v.keys.md, 30);
  EXPECT_EQ(v.keys.Zod, 10);
  EXPECT_EQ(v.keys.Faz, 1);
  EXPECT_EQ(v.keys.Qual, 3);
  EXPECT_EQ(v.keys.Vn, 1);
  EXPECT_EQ(v.tooltip, "30 л/д\r\nВидимость 0%\r\n15° 44' Козерога\r\nДень холода\r\nВосходящая");
}

TEST(DayValues, DescendingMoonAndPageKeys) {
  const FixedTimeZone moscow(-180);
  const DayValues v = ComputeDayValues(SerialDate::FromFields(2006, 3, 15, 12), moscow);
  EXPECT_EQ(v.sign, 6);
  EXPECT_EQ(v.signPosition, "28° 54' Девы");
  EXPECT_EQ(v.courseCode, 2);
  EXPECT_EQ(v.keys.Vn, 2);
  EXPECT_EQ(v.keys.Qual, 3);
  EXPECT_EQ(v.keys.Faz, 4);
  EXPECT_EQ(v.phaseText, "Убывающая");
  EXPECT_EQ(v.tooltip.substr(v.tooltip.rfind("\r\n") + 2), "Нисходящая");
  EXPECT_LT(v.previousFullMoon, v.moment);
  EXPECT_LT(v.previousNewMoon, v.previousFullMoon);
  EXPECT_LT(v.moment, v.nextNewMoon);
}

}  // namespace
}  // namespace selenar
