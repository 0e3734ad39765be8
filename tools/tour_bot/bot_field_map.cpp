#include "bot_field_map.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

#include "match/field_model.h"
#include "match/sight.h"

namespace tour_bot {

namespace {

using career::FieldPoint;

// A cell whose centre lies this near a bunker cannot be walked through by an order.
constexpr double kBunkerClearance = 22.0;
// Each opponent that sees a cell makes walking through it this much dearer.
constexpr double kSeenCost = 3.0;
// The farthest a waypoint lies ahead along the way, in cells.
constexpr int kMostCellsAhead = 12;

}  // namespace

int FieldMap::Index(const FieldPoint& p) {
  const int column = std::clamp(static_cast<int>(p.x) / kCell, 0, kColumns - 1);
  const int row = std::clamp(static_cast<int>(p.y) / kCell, 0, kRows - 1);
  return row * kColumns + column;
}

void FieldMap::Survey(const match::MatchState& match) {
  for (int cell = 0; cell < kColumns * kRows; ++cell) {
    const FieldPoint centre = Centre(cell);
    in_bunker_[cell] = std::any_of(match.Bunkers.begin(), match.Bunkers.end(),
                                   [&](const FieldPoint& b) { return match::Closer(b, centre, kBunkerClearance); });
    exposure_[cell] = 0;
    nearest_seer_[cell] = std::numeric_limits<double>::max();
    for (int i = 1; i <= match::kTeamSize; ++i) {
      if (match.OppInPlay[i] != 1 || !match::LineIsClear(match.Bunkers, match.OppPos[i], centre)) continue;
      ++exposure_[cell];
      nearest_seer_[cell] = std::min(nearest_seer_[cell], career::Distance(match.OppPos[i], centre));
    }
  }
}

std::vector<double> FieldMap::CostsTo(int goal_cell) const {
  std::vector<double> cost(kColumns * kRows, std::numeric_limits<double>::max());
  using Entry = std::pair<double, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  cost[goal_cell] = 0.0;
  open.push({0.0, goal_cell});
  while (!open.empty()) {
    const auto [reached, cell] = open.top();
    open.pop();
    if (reached > cost[cell]) continue;
    const int column = cell % kColumns, row = cell / kColumns;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int c = column + dx, r = row + dy;
        if ((dx == 0 && dy == 0) || c < 0 || r < 0 || c >= kColumns || r >= kRows) continue;
        const int next = r * kColumns + c;
        if (in_bunker_[next]) continue;
        const double step = (dx != 0 && dy != 0 ? 1.4142 : 1.0) * (1.0 + kSeenCost * exposure_[next]);
        if (reached + step < cost[next]) {
          cost[next] = reached + step;
          open.push({cost[next], next});
        }
      }
    }
  }
  return cost;
}

FieldPoint FieldMap::Waypoint(const match::MatchState& match, const FieldPoint& from, const FieldPoint& goal) const {
  if (match::LineIsClear(match.Bunkers, from, goal) && Exposure(goal) <= Exposure(from)) return goal;
  const std::vector<double> cost = CostsTo(Index(goal));
  FieldPoint best = goal;
  int cell = Index(from);
  for (int ahead = 0; ahead < kMostCellsAhead; ++ahead) {
    int next = cell;
    const int column = cell % kColumns, row = cell / kColumns;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int c = column + dx, r = row + dy;
        if (c < 0 || r < 0 || c >= kColumns || r >= kRows) continue;
        if (cost[r * kColumns + c] < cost[next]) next = r * kColumns + c;
      }
    }
    if (next == cell) break;
    cell = next;
    if (match::LineIsClear(match.Bunkers, from, Centre(cell))) best = Centre(cell);
    if (cell == Index(goal) && match::LineIsClear(match.Bunkers, from, goal)) best = goal;
  }
  return best;
}

}  // namespace tour_bot
