#include "engine/lunar_day.h"

#include <cmath>

#include "engine/moon_age.h"
#include "engine/zodiac.h"

namespace selenar {

double LunarDayNumber(double age) {
  const double whole = std::floor(age);
  const double day = (age > 0.0 && age != whole) ? std::trunc(age) + 1.0 : whole;
  return day < 1.0 ? 1.0 : day;
}

MomentSample SampleMoment(SerialDate local, const TimeZone& zone) {
  const SerialDate universal = LocalToUniversal(local, zone);
  return {static_cast<int>(LunarDayNumber(MoonAge(universal))), MoonSign(universal)};
}

DateSample LunarDaysOfDate(SerialDate localDate, const TimeZone& zone) {
  const SerialDate date = DateOnly(localDate);
  const MomentSample first = SampleMoment(date.AddMinutes(30), zone);
  const MomentSample second = SampleMoment(date.AddMinutes(23 * 60 + 30), zone);
  return {first.lunarDay, second.lunarDay, first.sign, second.sign};
}

std::string LunarDayPairText(int first, int second) {
  const std::string firstText = first > 0 ? std::to_string(first) : "";
  const std::string secondText = second > 0 ? std::to_string(second) : "";
  return secondText == firstText ? firstText : firstText + "/" + secondText;
}

}  // namespace selenar
