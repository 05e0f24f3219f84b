#include "engine/moon_age.h"

#include <cmath>

#include "engine/julian_day.h"
#include "engine/lunar_phases.h"

namespace selenar {

double MoonAge(SerialDate universal) {
  return SerialToJulianDay(universal) - LunationOf(universal).newMoonJulianDay;
}

float PhaseAngleOfAge(double age) { return static_cast<float>(age * 360.0 / kSynodicMonth); }

float PhaseAngle(SerialDate universal) { return PhaseAngleOfAge(MoonAge(universal)); }

float VisibleShareOfAge(double age) {
  return static_cast<float>((1.0 - std::cos(age * 6.28318530718 / kSynodicMonth)) / 2.0 * 100.0);
}

float VisibleShare(SerialDate universal) { return VisibleShareOfAge(MoonAge(universal)); }

int VisiblePercent(float share) {
  return static_cast<int>(std::floor(static_cast<double>(share) * 1.008));
}

}  // namespace selenar
