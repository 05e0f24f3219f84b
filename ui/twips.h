#pragma once

#include <QRect>
#include <cmath>

namespace selenar {

// Window geometry is laid out in twips; 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

inline int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline QRect TwipsRect(double x, double y, double width, double height) {
  return {Px(x), Px(y), Px(width), Px(height)};
}

}  // namespace selenar
