#pragma once

#include <string>

#include "engine/serial_date.h"
#include "engine/time_zone.h"

namespace selenar {

// Lunar days count whole 24-hour steps from the new-moon instant: the age
// rounded up, at least 1. The instant of a change belongs to the lower day.
double LunarDayNumber(double age);

// Lunar day and sign at one local moment, as the panel shows them.
struct MomentSample {
  int lunarDay = 0;
  int sign = 0;
};
MomentSample SampleMoment(SerialDate local, const TimeZone& zone = SystemZone());

// A calendar date sampled at 00:30 and at 23:30 local time.
struct DateSample {
  int firstLunarDay = 0;
  int secondLunarDay = 0;
  int firstSign = 0;
  int secondSign = 0;
};
DateSample LunarDaysOfDate(SerialDate localDate, const TimeZone& zone = SystemZone());

// A day cell's lunar-day text: "5", or "5/6" when the day changes.
std::string LunarDayPairText(int first, int second);

}  // namespace selenar
