#pragma once
#include "career/career_record.h"
#include "match/match_context.h"
#include "match/match_state.h"

namespace match {

// The tick's own rules, each named for its step.
void BreakMarkers(MatchContext& context);       // one draw per slot on every tick
void PlayAmbientSounds(MatchContext& context);  // birds and the barking dog, in fair weather outdoors
void CountDownLocks(MatchContext& context);     // the pause button's lock and the dog's barks
void AdvanceClock(MatchState& match, const career::CareerRecord& career);  // the clock and the pause budget
void CountDownSprints(const MatchState& match, career::CareerRecord& career);
void TruncateFlagPos(MatchState& match);
void TestFlagHung(MatchState& match);
void CarryFlag(MatchState& match, const career::CareerRecord& career);
void DropFlag(career::CareerRecord& career);
void PickUpFlag(const MatchState& match, career::CareerRecord& career);
// True when the match ends on this tick; a hung flag counts for its carrier first.
bool MatchIsOver(const MatchState& match, career::CareerRecord& career);

}  // namespace match
