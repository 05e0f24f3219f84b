#pragma once

#include "engine/serial_date.h"

namespace selenar {

// Mean synodic month in days; the phase angle and share use it rather than
// the length of the actual lunation.
inline constexpr double kSynodicMonth = 29.530589;

// Days since the new moon that starts the lunation of t. Within half a second
// before a new moon it is a tiny negative number; it never wraps at 29.53.
double MoonAge(SerialDate universal);

// Degrees, 0 at new moon and 180 at full moon by age; may exceed 360 near
// the end of a long lunation.
float PhaseAngleOfAge(double age);
float PhaseAngle(SerialDate universal);

// Percent of the disk that is lit.
float VisibleShareOfAge(double age);
float VisibleShare(SerialDate universal);

// The whole percent shown to the user: the last 0.8 % before full reads 100.
int VisiblePercent(float share);

}  // namespace selenar
