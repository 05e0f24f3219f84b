#pragma once

#include <string>
#include <string_view>

#include "engine/serial_date.h"

namespace selenar {

// Geocentric ecliptic longitude of the Moon in degrees, 0 <= L < 360, from a
// short series in Julian centuries from 1900. Seconds of t are ignored.
double MoonLongitude(SerialDate universal);

// Tropical sign 1 (Aries) .. 12 (Pisces); 0 for a negative longitude,
// 1 for 360 and above.
int SignOfLongitude(double longitude);
int MoonSign(SerialDate universal);

// "15° 44' Козерога": whole degrees and minutes travelled in the sign.
std::string SignPositionTextOfLongitude(double longitude);
std::string SignPositionText(SerialDate universal);

// 1 ascending ("Восходящая"), 2 descending ("Нисходящая"), 3 none ("").
struct MoonCourseInfo {
  int code;
  std::string_view word;
};
MoonCourseInfo MoonCourse(int sign);

// "День тепла", "День холода", "День света", "День воды"; "День " otherwise.
std::string ElementDayText(int sign);

// 1 heat, 2 light, 3 cold, 4 water, 0 none.
int ElementCode(int sign);

}  // namespace selenar
