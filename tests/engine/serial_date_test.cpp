#include "engine/serial_date.h"

#include <gtest/gtest.h>

namespace selenar {
namespace {

struct EncodingCase {
  double value;
  CalendarFields fields;
};

TEST(SerialDate, EncodesDaysAroundTheEpoch) {
  const EncodingCase cases[] = {
      {0.0, {1899, 12, 30, 0, 0, 0}},    {0.5, {1899, 12, 30, 12, 0, 0}},
      {36526.0, {2000, 1, 1, 0, 0, 0}},  {-1.25, {1899, 12, 29, 6, 0, 0}},
      {-2.25, {1899, 12, 28, 6, 0, 0}},  {-36522.5, {1800, 1, 1, 12, 0, 0}},
      {-657434.0, {100, 1, 1, 0, 0, 0}}, {-115858.0, {1582, 10, 15, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const CalendarFields f = SerialDate{c.value}.Fields();
    EXPECT_EQ(f.year, c.fields.year);
    EXPECT_EQ(f.month, c.fields.month);
    EXPECT_EQ(f.day, c.fields.day);
    EXPECT_EQ(f.hour, c.fields.hour);
    EXPECT_EQ(f.minute, c.fields.minute);
    const auto& d = c.fields;
    EXPECT_DOUBLE_EQ(SerialDate::FromFields(d.year, d.month, d.day, d.hour, d.minute).value,
                     c.value);
  }
}

TEST(SerialDate, ArithmeticWorksOnTheInstantNotTheEncoding) {
  // One day before 29 December 1899 06:00 is 28 December 06:00, not -0.25.
  EXPECT_DOUBLE_EQ(SerialDate{-1.25}.AddDays(-1).value, -2.25);
  // Crossing the epoch either way keeps the time of day.
  EXPECT_DOUBLE_EQ(SerialDate{-1.25}.AddDays(2).value, 1.25);
  EXPECT_DOUBLE_EQ(SerialDate{0.25}.AddDays(-1).value, -1.25);
  EXPECT_DOUBLE_EQ(SerialDate{-1.25}.AddMinutes(-6 * 60 - 1440).value, -2.0);
  EXPECT_TRUE(SerialDate{-1.75} > SerialDate{-1.25});  // 18:00 is after 06:00
}

TEST(SerialDate, FieldsRoundToTheNearestSecond) {
  const SerialDate almostNoon{SerialDate::FromFields(2006, 3, 15, 12).value - 1e-9};
  const CalendarFields f = almostNoon.Fields();
  EXPECT_EQ(f.hour, 12);
  EXPECT_EQ(f.minute, 0);
  EXPECT_EQ(f.second, 0);
  const CalendarFields midnight =
      SerialDate{SerialDate::FromFields(2006, 3, 16).value - 1e-9}.Fields();
  EXPECT_EQ(midnight.day, 16);
  EXPECT_EQ(midnight.hour, 0);
}

TEST(SerialDate, SameDateAndDateOnly) {
  const SerialDate march1 = SerialDate::FromFields(2006, 3, 1);
  EXPECT_TRUE(IsSameDate(march1, SerialDate::FromFields(2006, 3, 1, 23, 59)));
  EXPECT_FALSE(IsSameDate(SerialDate::FromFields(2006, 2, 28, 23, 59), march1));
  EXPECT_EQ(DateOnly(SerialDate::FromFields(2006, 3, 1, 17, 45)), march1);
  EXPECT_DOUBLE_EQ(DateOnly(SerialDate{-1.25}).value, -1.0);
}

TEST(SerialDate, WithYearMonthLowersAMissingDay) {
  const SerialDate march31 = SerialDate::FromFields(2006, 3, 31, 14, 35, 20);
  EXPECT_EQ(WithYearMonth(march31, 2006, 4), SerialDate::FromFields(2006, 4, 30, 14, 35, 20));
  EXPECT_EQ(WithYearMonth(march31, 2004, 2), SerialDate::FromFields(2004, 2, 29, 14, 35, 20));
  EXPECT_EQ(WithYearMonth(SerialDate::FromFields(2004, 2, 29), 2005, 2),
            SerialDate::FromFields(2005, 2, 28));
  EXPECT_EQ(WithYearMonth(march31, 2007, 1), SerialDate::FromFields(2007, 1, 31, 14, 35, 20));
}

TEST(SerialDate, MonthLengthsAndValidity) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2006, 4), 30);
  EXPECT_EQ(DaysInMonth(2006, 13), 0);
  EXPECT_TRUE(IsValidDate(2004, 2, 29));
  EXPECT_FALSE(IsValidDate(2006, 2, 29));
  EXPECT_FALSE(IsValidDate(2006, 0, 1));
}

}  // namespace
}  // namespace selenar
