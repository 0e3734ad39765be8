#pragma once
// The match field's fixed points, radii and frames, and the comparisons every rule makes.
#include <cmath>

#include "career/field_point.h"

namespace match {

using career::Difference;
using career::Distance;
using career::FieldPoint;

inline constexpr int kTeamSize = 7;
// Field y plus this is picture y: the field lies on picture rows 40 to 440.
inline constexpr double kFieldTop = 40.0;
inline constexpr double kBunkerRadius = 15.0;
inline constexpr double kTagRadius = 7.0;
inline constexpr double kHangRadius = 15.0;  // the flag within this of the home station is hung
inline constexpr double kReachRadius = 10.0;  // a click selects, a player picks up the flag
inline constexpr FieldPoint kFlagStart{785.0, 240.0};   // picture frame
inline constexpr FieldPoint kHomeStation{15.0, 240.0};  // picture frame

// OrderMode: what a click on the field orders the selected player to do.
inline constexpr int kMoveMode = 0;
inline constexpr int kFireMode = 1;
// WeatherRoll 5 is bad weather; Surface 4, artificial turf, is indoors.
inline constexpr int kBadWeather = 5;
inline constexpr int kIndoors = 4;

constexpr FieldPoint ToField(const FieldPoint& picture) { return {picture.x, picture.y - kFieldTop}; }
constexpr FieldPoint ToPicture(const FieldPoint& field) { return {field.x, field.y + kFieldTop}; }

// Positions turn into pixels by truncation toward zero.
inline FieldPoint Truncated(const FieldPoint& p) { return {std::trunc(p.x), std::trunc(p.y)}; }

// distance(a, b) < radius, strict as every radius test of the match. Points far apart are
// turned away before the square root; the answer is the same.
inline bool Closer(const FieldPoint& a, const FieldPoint& b, double radius) {
  const FieldPoint d = Difference(a, b);
  if (d.x * d.x + d.y * d.y >= (radius + 1.0) * (radius + 1.0)) return false;
  return Distance(a, b) < radius;
}

}  // namespace match
