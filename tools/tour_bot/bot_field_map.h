#pragma once
// What the bot works out from the field as a player sees it: how many opponents in play have a
// clear line to each part of the field, and the cheapest way to a goal that stays out of their
// sight and off the bunkers.
#include <array>
#include <vector>

#include "career/field_point.h"
#include "match/match_state.h"

namespace tour_bot {

class FieldMap {
 public:
  static constexpr int kCell = 20;
  static constexpr int kColumns = 800 / kCell;
  static constexpr int kRows = 400 / kCell;

  // Counts, for the centre of every cell, the opponents in play that see it.
  void Survey(const match::MatchState& match);
  int Exposure(const career::FieldPoint& p) const { return exposure_[Index(p)]; }
  int Exposure(int cell) const { return exposure_[cell]; }
  // How far the nearest opponent that sees the cell stands.
  double NearestSeer(int cell) const { return nearest_seer_[cell]; }
  bool Walkable(int cell) const { return !in_bunker_[cell]; }
  static career::FieldPoint Centre(int cell) { return {(cell % kColumns) * kCell + kCell / 2.0, (cell / kColumns) * kCell + kCell / 2.0}; }
  static int Index(const career::FieldPoint& p);

  // The farthest point on the cheapest way from `from` to `goal` that a straight walk reaches
  // without passing a bunker; seen cells cost more the more opponents see them.
  career::FieldPoint Waypoint(const match::MatchState& match, const career::FieldPoint& from, const career::FieldPoint& goal) const;

 private:
  std::vector<double> CostsTo(int goal_cell) const;

  std::array<int, kColumns * kRows> exposure_{};
  std::array<bool, kColumns * kRows> in_bunker_{};
  std::array<double, kColumns * kRows> nearest_seer_{};
};

}  // namespace tour_bot
