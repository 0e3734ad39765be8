#pragma once
#include "career/career_record.h"
#include "career/field_point.h"
#include "match/match_context.h"
#include "match/match_state.h"

namespace match {

// A shot's displacement per tick from the way to its aim: short shots to the right or upward
// sped up, long ones slowed down, until both components lie within -15..15.
career::FieldPoint LaunchVelocity(career::FieldPoint way);

// The firing cycles' counters, own team then opposition.
void AdvanceFiringCycles(MatchState& match, career::CareerRecord& career);
// Every own player whose cycle allows fires at its aim point.
void FireOwnShots(MatchContext& context);
// Every visible, aiming opponent whose cycle allows fires; none of them runs out of paint.
void FireOppositionShots(MatchContext& context);
// The paintballs fly their displacement and are pushed about by their shooter's accuracy.
void FlyPaintballs(MatchContext& context);
// Bunkers, own players, opponents and the field edge stop paintballs; players hit are out.
void HitPaintballs(MatchState& match, career::CareerRecord& career);

}  // namespace match
