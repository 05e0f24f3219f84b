#pragma once

namespace selenar {

// The ecliptic wheel of the daily panel, in twips of the panel surface: the
// first point of Aries at the top, longitude growing clockwise.
inline constexpr double kWheelCentreX = 1360.0;
inline constexpr double kWheelCentreY = 5430.0;
inline constexpr double kWheelRadius = 800.0;

struct TwipPoint {
  double x = 0.0;
  double y = 0.0;
};

// Top-left corner of the Moon marker whose centre stands at the longitude on
// the wheel (pi taken as 3.14159, as the wheel picture was laid out with).
TwipPoint EclipticMarkerTopLeft(double longitude, double markerWidth, double markerHeight);

}  // namespace selenar
