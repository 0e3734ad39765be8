#include "match/movement.h"

#include <cmath>

#include "match/field_model.h"

namespace match {

namespace {

constexpr long long kTiredPenalty = 5;
constexpr double kSlowDown = 1.1;

// A player stops closing in on an axis once it is less than 1 away on it.
double AxisStep(double remaining, long long divisor) {
  return std::trunc(remaining) != 0.0 ? remaining / static_cast<double>(divisor) : 0.0;
}

}  // namespace

FieldPoint WalkStep(const FieldPoint& pos, const FieldPoint& target, long long speed, long long penalty) {
  const FieldPoint d = Difference(pos, target);
  const long long divisor = 60 - speed;
  const long long cap = (speed - penalty) / 5;
  // Divided by 1.1 toward a cap of 0 the step would never fit: it is (0, 0) at once.
  if (divisor <= 0 || cap <= 0) return {0.0, 0.0};
  FieldPoint step{AxisStep(d.x, divisor), AxisStep(d.y, divisor)};
  if (!std::isfinite(step.x) || !std::isfinite(step.y)) return {0.0, 0.0};
  const double limit = static_cast<double>(cap);
  while (std::fabs(step.x) > limit || std::fabs(step.y) > limit) {
    step.x /= kSlowDown;
    step.y /= kSlowDown;
  }
  return step;
}

bool IsTired(int32 match_clock, int32 endurance) { return match_clock / 100 < 30LL - endurance; }

bool MoveOwnTeam(const MatchState& match, career::CareerRecord& career, const world::SharedState& shared) {
  bool selected_tired = false;
  for (int j = 1; j <= kTeamSize; ++j) {
    const double factor = career.Sprint[j] > 1 ? 2.0 : 1.0;
    const bool tired = IsTired(match.MatchClock, career.Endurance[j]);
    if (tired && j == shared.SelectedPlayer) selected_tired = true;
    FieldPoint step = WalkStep(career.PlayerPos[j], career.PlayerTarget[j], career.Speed[j], tired ? kTiredPenalty : 0);
    step = {step.x * factor, step.y * factor};
    if (match.Paused == 0) career.PlayerPos[j] = Difference(career.PlayerPos[j], step);
  }
  return selected_tired;
}

void MoveOpposition(MatchState& match) {
  for (int i = 1; i <= kTeamSize; ++i) {
    const FieldPoint step = WalkStep(match.OppPos[i], match.OppTarget[i], match.OppSpeed[i], 0);
    if (match.Paused == 0) match.OppPos[i] = Difference(match.OppPos[i], step);
  }
}

}  // namespace match
