#pragma once

namespace world { class World; }

namespace match {

// The tick's own rules, each named for its step.
void BreakMarkers(world::World& world);        // one draw per slot on every tick
void PlayAmbientSounds(world::World& world);   // birds and the barking dog, in fair weather outdoors
void CountDownLocks(world::World& world);      // the pause button's lock and the dog's barks
void AdvanceClock(world::World& world);        // the clock and the pause budget
void CountDownSprints(world::World& world);
void TruncateFlagPos(world::World& world);
void TestFlagHung(world::World& world);
void CarryFlag(world::World& world);
void DropFlag(world::World& world);
void PickUpFlag(world::World& world);
// True when the match ends on this tick; a hung flag counts for its carrier first.
bool MatchIsOver(world::World& world);

}  // namespace match
