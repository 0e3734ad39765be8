#pragma once
#include "match/match_context.h"
#include "match/match_state.h"
#include "world/shared_state.h"

namespace match {

// Every opponent the team can see aims at the nearest own player in play that the opposition
// spots, with an error of -15..14 on each axis drawn afresh.
void AimOpposition(MatchContext& context);

// The moves of the layout's scripted play due at this clock value; while paused the clock
// stands, so they are applied again on every paused tick.
void ApplyScriptedPlays(MatchState& match, const world::SharedState& shared);

}  // namespace match
