#include "match/tick_rules.h"

#include <algorithm>

#include "career/counters.h"
#include "match/field_model.h"
#include "shell/program.h"

namespace match {

namespace {

using shell::Sound;

constexpr int kBreakdownChances = 20000;
constexpr int kBreakdownDraw = 30;
constexpr int kBarkAt[] = {45, 35, 20, 10};
constexpr int kRegenTicks = 10;

// How much pause the running match gives back every ten ticks, by challenge.
int32 PauseRegrowth(int32 challenge) {
  if (challenge == 1) return 2;
  if (challenge == 2) return 1;
  return 0;
}

bool AmbientChance(shell::Program& program) { return program.Rng(1000) > 996; }

bool AnyoneHasFlag(const career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.HasFlag[j] == 1) return true;
  }
  return false;
}

}  // namespace

void BreakMarkers(shell::Program& program) {
  career::CareerRecord& career = program.Career;
  const MatchState& match = program.Match;
  for (int j = 1; j <= kTeamSize; ++j) {
    const int r = program.Rng(kBreakdownChances);
    if (r == kBreakdownDraw && career.InPlay[j] == 1 && match.Paused == 0 && career.Challenge > 1) {
      career.GearLevel[j] = 0;
      program.Sounds.Play(Sound::Hiss);
    }
  }
}

void PlayAmbientSounds(shell::Program& program) {
  MatchState& match = program.Match;
  if (match.WeatherRoll >= kBadWeather || program.Shared.Surface >= kIndoors) return;
  if (AmbientChance(program)) program.Sounds.Play(Sound::Bird);
  if (AmbientChance(program)) match.BarkTicks = program.Rng(50) + 21;
}

void CountDownLocks(shell::Program& program) {
  MatchState& match = program.Match;
  program.Shared.ResultClickLock = std::max(career::SaturatingAdd(program.Shared.ResultClickLock, -1), 0);
  match.BarkTicks = std::max(match.BarkTicks - 1, 0);
  if (std::find(std::begin(kBarkAt), std::end(kBarkAt), match.BarkTicks) != std::end(kBarkAt)) program.Sounds.Play(Sound::Bark);
}

void AdvanceClock(shell::Program& program) {
  MatchState& match = program.Match;
  if (match.Paused == 0) --match.MatchClock;
  if (match.Paused == 1) --match.PauseBudget;
  if (match.Paused == 0) ++match.PauseRegenCounter;
  if (match.PauseRegenCounter == kRegenTicks) {
    match.PauseRegenCounter = 0;
    match.PauseBudget += PauseRegrowth(program.Career.Challenge);
  }
  if (match.PauseBudget < 1) {
    match.PauseBudget = 0;
    match.Paused = 0;
  }
  if (match.PauseBudget > match.PauseBudgetMax) match.PauseBudget = match.PauseBudgetMax;
}

void CountDownSprints(shell::Program& program) {
  career::CareerRecord& career = program.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (program.Match.Paused == 0 && career.Sprint[j] > 1) --career.Sprint[j];
  }
}

void TruncateFlagPos(shell::Program& program) { program.Match.FlagPos = Truncated(program.Match.FlagPos); }

void TestFlagHung(shell::Program& program) {
  MatchState& match = program.Match;
  match.FlagHung = Closer(kHomeStation, match.FlagPos, kHangRadius) ? 1 : 0;
}

void CarryFlag(shell::Program& program) {
  const career::CareerRecord& career = program.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.HasFlag[j] == 1) program.Match.FlagPos = ToPicture(career.PlayerPos[j]);
  }
}

void DropFlag(shell::Program& program) {
  career::CareerRecord& career = program.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] == 0 && career.HasFlag[j] == 1) career.HasFlag[j] = 0;
  }
}

void PickUpFlag(shell::Program& program) {
  career::CareerRecord& career = program.Career;
  const FieldPoint flag = program.Match.FlagPos;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] != 1 || AnyoneHasFlag(career)) continue;
    if (Closer(career.PlayerPos[j], ToField(flag), kReachRadius)) {
      career.HasFlag[j] = 1;
      // Only a flag still on its start point is a pull.
      if (flag == kFlagStart) career::CountOn(career.FlagPulls[j]);
    }
  }
}

bool MatchIsOver(shell::Program& program) {
  career::CareerRecord& career = program.Career;
  const MatchState& match = program.Match;
  bool team_out = true;
  for (int j = 1; j <= kTeamSize; ++j) team_out = team_out && career.InPlay[j] != 1;
  if (match.FlagHung == 1) {
    for (int j = 1; j <= kTeamSize; ++j) {
      if (career.HasFlag[j] == 1) career::CountOn(career.FlagHangs[j]);
    }
  }
  return team_out || match.MatchClock <= 0 || match.FlagHung == 1;
}

}  // namespace match
