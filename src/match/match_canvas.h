#pragma once
// What the match's drawing steps share: field positions turned into pixels, and circles.
#include <cmath>

#include "gfx/canvas.h"

namespace match {

// Field rows lie 40 rows down the picture.
inline constexpr int kFieldTop = 40;

// Positions become pixels by truncation toward zero. A wild value (a position read from a
// damaged career) lands far off the picture instead of overflowing.
inline int Pixel(double value) {
  constexpr double kFarOff = 1'000'000.0;
  if (!(value > -kFarOff)) return -static_cast<int>(kFarOff);
  if (value > kFarOff) return static_cast<int>(kFarOff);
  return static_cast<int>(std::trunc(value));
}

// The ellipse filling the square (x - r, y - r) to (x + r, y + r), brush inside, pen around.
inline void Circle(gfx::Canvas& canvas, int x, int y, int radius) {
  canvas.Ellipse(x - radius, y - radius, x + radius, y + radius);
}

}  // namespace match
