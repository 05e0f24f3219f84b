#include "engine/ecliptic_marker.h"

#include <cmath>

namespace selenar {

TwipPoint EclipticMarkerTopLeft(double longitude, double markerWidth, double markerHeight) {
  const double a = longitude * 3.14159 / 180.0;
  return {kWheelCentreX + kWheelRadius * std::sin(a) - markerWidth / 2,
          kWheelCentreY - kWheelRadius * std::cos(a) - markerHeight / 2};
}

}  // namespace selenar
