#pragma once
#include "career/career_record.h"
#include "career/slots.h"
#include "match/field_model.h"
#include "match/match_state.h"
#include "world/shared_state.h"

namespace gfx { class Canvas; }

namespace match {

using BunkerField = career::Slots<FieldPoint, kBunkerCount>;

// A trace reaches its end within 101 steps; the bound only keeps a position that is not a
// finite number from tracing for ever.
inline constexpr int kMostTraceSteps = 128;

// Walks from `from` toward `to` in hundredths of the whole way (an axis less than 1 long is
// not walked), stopping one step after coming within 5 of `to`, and hands every step point
// to `visit`, which returns false to stop early.
template <typename Visit>
void WalkTrace(const FieldPoint& from, const FieldPoint& to, Visit&& visit) {
  const FieldPoint d = Difference(from, to);
  const FieldPoint step{std::trunc(d.x) != 0.0 ? d.x / 100.0 : 0.0, std::trunc(d.y) != 0.0 ? d.y / 100.0 : 0.0};
  FieldPoint point = from;
  double dist = Distance(from, to);
  for (int steps = 0; dist > 5.0 && steps < kMostTraceSteps; ++steps) {
    dist = Distance(point, to);
    point = Difference(point, step);
    if (!visit(point)) return;
  }
}

// Every step point of the walk with whether it lies within a bunker. Players never block
// sight.
template <typename Visit>
void TraceSight(const BunkerField& bunkers, const FieldPoint& from, const FieldPoint& to, Visit&& visit) {
  WalkTrace(from, to, [&](const FieldPoint& point) {
    bool blocked = false;
    for (const FieldPoint& bunker : bunkers) blocked = Closer(bunker, point, kBunkerRadius) || blocked;
    visit(point, blocked);
    return true;
  });
}

// No step point of the trace lies within a bunker.
bool LineIsClear(const BunkerField& bunkers, const FieldPoint& from, const FieldPoint& to);

// The dotted path from the selected player to the pointer, and whether a move order along it
// is refused (MoveBlocked, set back at once in FIRE mode).
void TracePointerPath(MatchState& match, const career::CareerRecord& career, const world::SharedState& shared,
                      gfx::Canvas& canvas);

// Which opponents the team sees (all of them on the easy challenge), then which own players
// the opposition sees.
void UpdateOppVisible(MatchState& match, const career::CareerRecord& career);
void UpdateSpotted(const MatchState& match, career::CareerRecord& career);

}  // namespace match
