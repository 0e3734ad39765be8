#include "match/sight.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "match/match_drawing.h"

namespace match {

namespace {

struct NearBunkers {
  std::array<FieldPoint, kBunkerCount> at;
  std::size_t count = 0;
  const FieldPoint* begin() const { return at.data(); }
  const FieldPoint* end() const { return at.data() + count; }
};

// The bunkers that can come within reach of a walk from `from` toward `to`: the walk stays in
// the box of its first point and its furthest possible step. A walk that is not made of
// finite numbers keeps them all.
NearBunkers BunkersNearWalk(const BunkerField& bunkers, const FieldPoint& from, const FieldPoint& to) {
  const FieldPoint d = Difference(from, to);
  const FieldPoint furthest{from.x - d.x / 100.0 * kMostTraceSteps, from.y - d.y / 100.0 * kMostTraceSteps};
  const bool finite = std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(furthest.x) && std::isfinite(furthest.y);
  const double reach = kBunkerRadius + 1.0;
  const auto within = [&](double at, double a, double b) { return at > std::min(a, b) - reach && at < std::max(a, b) + reach; };
  NearBunkers near;
  for (const FieldPoint& bunker : bunkers) {
    if (!finite || (within(bunker.x, from.x, furthest.x) && within(bunker.y, from.y, furthest.y))) near.at[near.count++] = bunker;
  }
  return near;
}

}  // namespace

// Called 98 times a tick for the sight of both sides: only the bunkers near the line are
// looked at, and the walk stops at the first blocked step.
bool LineIsClear(const BunkerField& bunkers, const FieldPoint& from, const FieldPoint& to) {
  const NearBunkers near = BunkersNearWalk(bunkers, from, to);
  bool clear = true;
  WalkTrace(from, to, [&](const FieldPoint& point) {
    for (const FieldPoint& bunker : near) clear = clear && !Closer(bunker, point, kBunkerRadius);
    return clear;
  });
  return clear;
}

void TracePointerPath(MatchState& match, const career::CareerRecord& career, const world::SharedState& shared,
                      gfx::Canvas& canvas) {
  const int s = shared.SelectedPlayer;
  const bool dotted = career.InPlay[s] == 1 && match.PointerInField == 1;
  PointerPathPen pen{.fire_mode = match.OrderMode == kFireMode};
  FieldPoint last_point = career.PlayerPos[s];
  match.MoveBlocked = 0;
  TraceSight(match.Bunkers, career.PlayerPos[s], match.PointerPos, [&](const FieldPoint& point, bool blocked) {
    if (blocked) {
      match.MoveBlocked = 1;
      if (pen.fire_mode) match.MoveBlocked = 0;
      if (!pen.fire_mode) pen.blocked = true;
    }
    if (dotted) DrawPathDot(canvas, point, pen);
    last_point = point;
  });
  if (dotted) DrawPathCaption(canvas, last_point, pen.fire_mode);
}

void UpdateOppVisible(MatchState& match, const career::CareerRecord& career) {
  for (int i = 1; i <= kTeamSize; ++i) {
    match.OppVisible[i] = 0;
    for (int j = 1; j <= kTeamSize && match.OppVisible[i] == 0; ++j) {
      if (career.InPlay[j] == 1 && LineIsClear(match.Bunkers, career.PlayerPos[j], match.OppPos[i])) match.OppVisible[i] = 1;
    }
  }
  if (career.Challenge < 2) {
    for (int32& visible : match.OppVisible) visible = 1;
  }
}

void UpdateSpotted(const MatchState& match, career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    career.Spotted[j] = 0;
    for (int i = 1; i <= kTeamSize && career.Spotted[j] == 0; ++i) {
      if (match.OppInPlay[i] == 1 && LineIsClear(match.Bunkers, match.OppPos[i], career.PlayerPos[j])) career.Spotted[j] = 1;
    }
  }
}

}  // namespace match
