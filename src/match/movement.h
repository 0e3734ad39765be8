#pragma once
#include "career/career_record.h"
#include "career/field_point.h"
#include "match/match_state.h"
#include "world/shared_state.h"

namespace match {

// The step a walker takes this tick toward its target (before the sprint doubles it): a
// 1 / (60 - speed) part of the way on each axis still 1 or more away, shrunk by 1.1 at a time
// until neither axis exceeds (speed - penalty) div 5. A walker whose speed gives no step at
// all (a divisor of 0 or less, a cap below 1) stands.
career::FieldPoint WalkStep(const career::FieldPoint& pos, const career::FieldPoint& target, long long speed,
                            long long penalty);

// Late in the match a player of low endurance tires: MatchClock div 100 < 30 - Endurance.
bool IsTired(career::int32 match_clock, career::int32 endurance);

// Both teams walk, the own team first. True when the selected player walked tired.
bool MoveOwnTeam(const MatchState& match, career::CareerRecord& career, const world::SharedState& shared);
void MoveOpposition(MatchState& match);

}  // namespace match
