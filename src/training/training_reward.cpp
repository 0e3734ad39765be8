#include "training/training_reward.h"

#include <algorithm>
#include <limits>

#include "team/team_page.h"
#include "world/world.h"

namespace training {

namespace {
constexpr int kTeamSize = 7;
}

void Raise(world::World& world, career::Slots<career::int32, 8> career::CareerRecord::*attribute, int points) {
  const int slot = world.Shared.SelectedPlayer;
  if (slot < 1 || slot > kTeamSize) return;
  career::int32& value = (world.Career.*attribute)[slot];
  // A loaded career may hold any number; it must not wrap round to a negative one.
  const long long raised = static_cast<long long>(value) + points;
  value = static_cast<career::int32>(std::min<long long>(raised, std::numeric_limits<career::int32>::max()));
}

void FinishTraining(world::World& world, core::Screen& training) {
  world.Sounds.Play(core::Sound::CashRegister);
  world.SwitchScreen(training, world.Form4());
}

}  // namespace training
