#pragma once

#include "engine/serial_date.h"

namespace selenar {

// 15 October 1582 00:00, the first day of the Gregorian calendar.
inline constexpr double kGregorianSwitchDate = -115858.0;

// Days before the Gregorian switch are read as Julian-calendar dates
// (ten days later), as the phase series expects.
double SerialToJulianDay(SerialDate universal);

// 30 December 1899 00:00 (value 0) when jd is outside IsJulianDayInRange.
SerialDate JulianDayToSerial(double jd);

// 1 January 100 (less 0.99999 day) to 31 December 9999 23:59:59.
bool IsJulianDayInRange(double jd);

// The guard of the waxing/waning decision: refuses moments outside
// 1 January 100 .. 31 December 9999 and the days lost in October 1582.
bool IsPhaseDateValid(SerialDate value);

// Degrees reduced to (-360, 360), keeping the sign, then radians.
double AngleToRadians(double degrees);

}  // namespace selenar
