#pragma once

namespace shell { class Program; }

namespace match {

// The tick's own rules, each named for its step.
void BreakMarkers(shell::Program& program);        // one draw per slot on every tick
void PlayAmbientSounds(shell::Program& program);   // birds and the barking dog, in fair weather outdoors
void CountDownLocks(shell::Program& program);      // the pause button's lock and the dog's barks
void AdvanceClock(shell::Program& program);        // the clock and the pause budget
void CountDownSprints(shell::Program& program);
void TruncateFlagPos(shell::Program& program);
void TestFlagHung(shell::Program& program);
void CarryFlag(shell::Program& program);
void DropFlag(shell::Program& program);
void PickUpFlag(shell::Program& program);
// True when the match ends on this tick; a hung flag counts for its carrier first.
bool MatchIsOver(shell::Program& program);

}  // namespace match
