#include "match/tick_rules.h"

#include <algorithm>

#include "career/counters.h"
#include "match/field_model.h"
#include "world/world.h"

namespace match {

namespace {

using core::Sound;

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

bool AmbientChance(world::World& world) { return world.Rng(1000) > 996; }

bool AnyoneHasFlag(const career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.HasFlag[j] == 1) return true;
  }
  return false;
}

}  // namespace

void BreakMarkers(world::World& world) {
  career::CareerRecord& career = world.Career;
  const MatchState& match = world.Match;
  for (int j = 1; j <= kTeamSize; ++j) {
    const int r = world.Rng(kBreakdownChances);
    if (r == kBreakdownDraw && career.InPlay[j] == 1 && match.Paused == 0 && career.Challenge > 1) {
      career.GearLevel[j] = 0;
      world.Sounds.Play(Sound::Hiss);
    }
  }
}

void PlayAmbientSounds(world::World& world) {
  MatchState& match = world.Match;
  if (match.WeatherRoll >= kBadWeather || world.Shared.Surface >= kIndoors) return;
  if (AmbientChance(world)) world.Sounds.Play(Sound::Bird);
  if (AmbientChance(world)) match.BarkTicks = world.Rng(50) + 21;
}

void CountDownLocks(world::World& world) {
  MatchState& match = world.Match;
  world.Shared.ResultClickLock = std::max(career::SaturatingAdd(world.Shared.ResultClickLock, -1), 0);
  match.BarkTicks = std::max(match.BarkTicks - 1, 0);
  if (std::find(std::begin(kBarkAt), std::end(kBarkAt), match.BarkTicks) != std::end(kBarkAt)) world.Sounds.Play(Sound::Bark);
}

void AdvanceClock(world::World& world) {
  MatchState& match = world.Match;
  if (match.Paused == 0) --match.MatchClock;
  if (match.Paused == 1) --match.PauseBudget;
  if (match.Paused == 0) ++match.PauseRegenCounter;
  if (match.PauseRegenCounter == kRegenTicks) {
    match.PauseRegenCounter = 0;
    match.PauseBudget += PauseRegrowth(world.Career.Challenge);
  }
  if (match.PauseBudget < 1) {
    match.PauseBudget = 0;
    match.Paused = 0;
  }
  if (match.PauseBudget > match.PauseBudgetMax) match.PauseBudget = match.PauseBudgetMax;
}

void CountDownSprints(world::World& world) {
  career::CareerRecord& career = world.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (world.Match.Paused == 0 && career.Sprint[j] > 1) --career.Sprint[j];
  }
}

void TruncateFlagPos(world::World& world) { world.Match.FlagPos = Truncated(world.Match.FlagPos); }

void TestFlagHung(world::World& world) {
  MatchState& match = world.Match;
  match.FlagHung = Closer(kHomeStation, match.FlagPos, kHangRadius) ? 1 : 0;
}

void CarryFlag(world::World& world) {
  const career::CareerRecord& career = world.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.HasFlag[j] == 1) world.Match.FlagPos = ToPicture(career.PlayerPos[j]);
  }
}

void DropFlag(world::World& world) {
  career::CareerRecord& career = world.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] == 0 && career.HasFlag[j] == 1) career.HasFlag[j] = 0;
  }
}

void PickUpFlag(world::World& world) {
  career::CareerRecord& career = world.Career;
  const FieldPoint flag = world.Match.FlagPos;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] != 1 || AnyoneHasFlag(career)) continue;
    if (Closer(career.PlayerPos[j], ToField(flag), kReachRadius)) {
      career.HasFlag[j] = 1;
      // Only a flag still on its start point is a pull.
      if (flag == kFlagStart) career::CountOn(career.FlagPulls[j]);
    }
  }
}

bool MatchIsOver(world::World& world) {
  career::CareerRecord& career = world.Career;
  const MatchState& match = world.Match;
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
