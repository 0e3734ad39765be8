#pragma once
#include "career/field_point.h"

namespace shell { class Program; }

namespace match {

// A shot's displacement per tick from the way to its aim: short shots to the right or upward
// sped up, long ones slowed down, until both components lie within -15..15.
career::FieldPoint LaunchVelocity(career::FieldPoint way);

// The firing cycles' counters, own team then opposition.
void AdvanceFiringCycles(shell::Program& program);
// Every own player whose cycle allows fires at its aim point.
void FireOwnShots(shell::Program& program);
// Every visible, aiming opponent whose cycle allows fires; none of them runs out of paint.
void FireOppositionShots(shell::Program& program);
// The paintballs fly their displacement and are pushed about by their shooter's accuracy.
void FlyPaintballs(shell::Program& program);
// Bunkers, own players, opponents and the field edge stop paintballs; players hit are out.
void HitPaintballs(shell::Program& program);

}  // namespace match
