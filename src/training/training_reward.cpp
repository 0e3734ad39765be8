#include "training/training_reward.h"

#include <algorithm>
#include <limits>

#include "shell/program.h"
#include "team/team_page.h"

namespace training {

namespace {
constexpr int kTeamSize = 7;
}

void Raise(shell::Program& program, career::Slots<career::int32, 8> career::CareerRecord::*attribute, int points) {
  const int slot = program.Shared.SelectedPlayer;
  if (slot < 1 || slot > kTeamSize) return;
  career::int32& value = (program.Career.*attribute)[slot];
  // A loaded career may hold any number; it must not wrap round to a negative one.
  const long long raised = static_cast<long long>(value) + points;
  value = static_cast<career::int32>(std::min<long long>(raised, std::numeric_limits<career::int32>::max()));
}

void FinishTraining(shell::Program& program, shell::Screen& training) {
  program.Sounds.Play(shell::Sound::CashRegister);
  program.SwitchScreen(training, program.Form4());
}

}  // namespace training
