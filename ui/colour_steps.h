#pragma once

#include <QColor>

namespace selenar {

// Moves a colour a quarter of the way toward the target component value
// (255 white, 0 black) at each step, rounding halves to even.
QColor LightColor(const QColor& colour, int steps, int target);

}  // namespace selenar
