#pragma once
#include <cmath>

namespace career {

// A point or a displacement on the field: x then y, as 64-bit floating-point numbers.
struct FieldPoint {
  double x = 0.0;
  double y = 0.0;

  friend constexpr bool operator==(const FieldPoint&, const FieldPoint&) = default;
};

constexpr FieldPoint Difference(const FieldPoint& a, const FieldPoint& b) { return {a.x - b.x, a.y - b.y}; }
inline double Length(const FieldPoint& p) { return std::sqrt(p.x * p.x + p.y * p.y); }
inline double Distance(const FieldPoint& a, const FieldPoint& b) { return Length(Difference(a, b)); }

}  // namespace career
