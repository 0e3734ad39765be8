#pragma once
#include "career/field_point.h"

namespace world { class World; }

namespace match {

// A shot's displacement per tick from the way to its aim: short shots to the right or upward
// sped up, long ones slowed down, until both components lie within -15..15.
career::FieldPoint LaunchVelocity(career::FieldPoint way);

// The firing cycles' counters, own team then opposition.
void AdvanceFiringCycles(world::World& world);
// Every own player whose cycle allows fires at its aim point.
void FireOwnShots(world::World& world);
// Every visible, aiming opponent whose cycle allows fires; none of them runs out of paint.
void FireOppositionShots(world::World& world);
// The paintballs fly their displacement and are pushed about by their shooter's accuracy.
void FlyPaintballs(world::World& world);
// Bunkers, own players, opponents and the field edge stop paintballs; players hit are out.
void HitPaintballs(world::World& world);

}  // namespace match
