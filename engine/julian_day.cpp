#include "engine/julian_day.h"

#include <cmath>

namespace selenar {

namespace {

constexpr double kSerialToJulian = 2415018.5;
// Before the switch the Julian calendar runs ten days behind.
constexpr double kSerialToJulianBeforeSwitch = 2415028.5;
constexpr double kJulianDayOfSwitch = 2299160.5;

}  // namespace

double SerialToJulianDay(SerialDate universal) {
  const double v = universal.value;
  if (v >= 0.0) return v + kSerialToJulian;
  const double day = std::trunc(v);
  const double fraction = v - day;
  const double base = day < kGregorianSwitchDate ? kSerialToJulianBeforeSwitch : kSerialToJulian;
  return day + base - fraction;
}

SerialDate JulianDayToSerial(double jd) {
  if (!IsJulianDayInRange(jd)) return {0.0};
  const double c =
      jd < kJulianDayOfSwitch ? jd - kSerialToJulianBeforeSwitch : jd - kSerialToJulian;
  if (c >= 0.0 || c == std::floor(c)) return {c};
  const double day = std::floor(c);
  return {day - (c - day)};
}

bool IsJulianDayInRange(double jd) { return jd >= 1757593.50001 && jd <= 5373484.49998843; }

bool IsPhaseDateValid(SerialDate date) {
  const double v = date.value;
  if (!std::isfinite(v)) return false;
  if (v <= -657418.176956019 || v > 2958465.99999) return false;
  if (v == -657418.0) return false;
  return !(v > -115869.0 && v <= -115859.99999);
}

double AngleToRadians(double degrees) {
  const double reduced = degrees - 360.0 * std::trunc(degrees / 360.0);
  return reduced * 0.0174532925199433;
}

}  // namespace selenar
