#include "ui/colour_steps.h"

#include <cmath>

namespace selenar {

QColor LightColor(const QColor& colour, int steps, int target) {
  int rgb[3] = {colour.red(), colour.green(), colour.blue()};
  for (int step = 0; step < steps; ++step) {
    for (int& component : rgb) component = int(std::nearbyint((target + 3.0 * component) / 4.0));
  }
  return {rgb[0], rgb[1], rgb[2]};
}

}  // namespace selenar
