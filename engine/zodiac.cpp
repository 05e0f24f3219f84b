#include "engine/zodiac.h"

#include <cmath>

#include "engine/word_tables.h"

namespace selenar {

namespace {

// Whole turns taken off: 0 <= result < 360 (floor is several times cheaper
// than fmod, and the scan of two centuries calls this five times a day).
double ReducedDegrees(double degrees) {
  const double reduced = degrees - 360.0 * std::floor(degrees / 360.0);
  return reduced >= 360.0 ? reduced - 360.0 : reduced;
}

double SinDegrees(double degrees) { return std::sin(degrees * 3.1415926535 / 180.0); }

// Signs 1, 5, 9 are heat; 2, 6, 10 cold; 3, 7, 11 light; 4, 8, 12 water.
int ElementGroup(int sign) { return (sign >= 1 && sign <= 12) ? (sign - 1) % 4 : -1; }

}  // namespace

double MoonLongitude(SerialDate universal) {
  const CalendarFields f = universal.Fields();
  const double dayWithTime = f.day + (f.hour + f.minute / 60.0) / 24.0;
  const int y = f.month > 2 ? f.year : f.year - 1;
  const int m = f.month > 2 ? f.month : f.month + 12;
  const double a = std::floor(y / 100.0);
  const double b = 2 - a + std::floor(a / 4.0);
  // Julian Day minus 2400000; the Gregorian correction applies to every date.
  const double x =
      std::floor(365.25 * y) + std::floor(30.6001 * (m + 1)) + b + dayWithTime - 679005.5;
  const double t = (x - 15020.0) / 36525.0;
  const double t2 = t * t;

  const double meanLongitude = ReducedDegrees(270.4341639 + 481267.8831417 * t - 0.001133 * t2);
  const double sunAnomaly = ReducedDegrees(358.475833 + 35999.04975 * t - 0.00015 * t2);
  const double moonAnomaly = ReducedDegrees(296.104608 + 477198.849108 * t + 0.009192 * t2);
  const double elongation = ReducedDegrees(350.737486 + 445267.114217 * t - 0.001436 * t2);
  const double latitudeArgument = ReducedDegrees(11.2509 + 483202.02522 * t - 0.00321 * t2);

  const double mp = moonAnomaly, ms = sunAnomaly, d = elongation, f2 = latitudeArgument;
  double longitude = meanLongitude + 6.289 * SinDegrees(mp) - 1.274 * SinDegrees(mp - 2 * d) +
                     0.658 * SinDegrees(2 * d) + 0.214 * SinDegrees(2 * mp) -
                     0.186 * SinDegrees(ms) - 0.114 * SinDegrees(2 * f2) -
                     0.059 * SinDegrees(2 * mp - 2 * d) - 0.057 * SinDegrees(ms + mp - 2 * d) +
                     0.053 * SinDegrees(mp + 2 * d) - 0.046 * SinDegrees(ms - 2 * d) +
                     0.041 * SinDegrees(mp - ms) - 0.035 * SinDegrees(d) -
                     0.03 * SinDegrees(mp + ms);
  if (longitude >= 360.0) longitude -= 360.0;
  if (longitude < 0.0) longitude += 360.0;
  return longitude;
}

int SignOfLongitude(double longitude) {
  if (longitude < 0.0) return 0;
  if (longitude >= 360.0) return 1;
  return static_cast<int>(longitude / 30.0) + 1;
}

int MoonSign(SerialDate universal) { return SignOfLongitude(MoonLongitude(universal)); }

std::string SignPositionTextOfLongitude(double longitude) {
  const int sign = SignOfLongitude(longitude);
  const double travelled = longitude - 30.0 * (sign - 1);
  const double degrees = std::trunc(travelled);
  const double minutes = std::floor((travelled - degrees) * 60.0);
  return std::to_string(static_cast<int>(degrees)) + "° " +
         std::to_string(static_cast<int>(minutes)) + "' " + std::string(SignGenitiveName(sign));
}

std::string SignPositionText(SerialDate universal) {
  return SignPositionTextOfLongitude(MoonLongitude(universal));
}

MoonCourseInfo MoonCourse(int sign) {
  if (sign >= 4 && sign <= 9) return {2, "Нисходящая"};
  if ((sign >= 1 && sign <= 3) || (sign >= 10 && sign <= 12)) return {1, "Восходящая"};
  return {3, ""};
}

std::string ElementDayText(int sign) {
  static constexpr std::string_view kWords[] = {"тепла", "холода", "света", "воды"};
  const int group = ElementGroup(sign);
  return "День " + std::string(group < 0 ? std::string_view{} : kWords[group]);
}

int ElementCode(int sign) {
  static constexpr int kCodes[] = {1, 3, 2, 4};
  const int group = ElementGroup(sign);
  return group < 0 ? 0 : kCodes[group];
}

}  // namespace selenar
