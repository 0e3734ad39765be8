#pragma once
#include "career/career_record.h"
#include "core/screen.h"

namespace world { class World; }

namespace training {

// Raises one attribute of the selected player. Nothing here caps it at 20: the team page does
// that on its next tick. A slot outside the team is left alone.
void Raise(world::World& world, career::Slots<career::int32, 8> career::CareerRecord::*attribute, int points);

// The end of every training: the till sound, whatever the result, and back to the team page.
void FinishTraining(world::World& world, core::Screen& training);

}  // namespace training
