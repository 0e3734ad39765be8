#pragma once
#include "career/career_record.h"
#include "core/random.h"
#include "core/sound_bank.h"
#include "match/match_state.h"
#include "world/shared_state.h"

namespace match {

// What a rule of the live match may change: the match, the career it is played for, the one
// random generator, the sounds, and the choices handed over between screens (the selected
// player, the surface, the field layout, the pause button's lock). A rule that only reads
// takes the pieces it reads by const reference instead.
struct MatchContext {
  MatchState& match;
  career::CareerRecord& career;
  core::Random& rng;
  core::SoundBank& sounds;
  world::SharedState& shared;
};

}  // namespace match
