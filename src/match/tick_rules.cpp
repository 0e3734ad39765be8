#include "match/tick_rules.h"

#include <algorithm>

#include "career/counters.h"
#include "match/field_model.h"

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

bool AmbientChance(core::Random& rng) { return rng(1000) > 996; }

bool AnyoneHasFlag(const career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.HasFlag[j] == 1) return true;
  }
  return false;
}

}  // namespace

void BreakMarkers(MatchContext& context) {
  career::CareerRecord& career = context.career;
  const MatchState& match = context.match;
  for (int j = 1; j <= kTeamSize; ++j) {
    const int r = context.rng(kBreakdownChances);
    if (r == kBreakdownDraw && career.InPlay[j] == 1 && match.Paused == 0 && career.Challenge > 1) {
      career.GearLevel[j] = 0;
      context.sounds.Play(Sound::Hiss);
    }
  }
}

void PlayAmbientSounds(MatchContext& context) {
  MatchState& match = context.match;
  if (match.WeatherRoll >= kBadWeather || context.shared.Surface >= kIndoors) return;
  if (AmbientChance(context.rng)) context.sounds.Play(Sound::Bird);
  if (AmbientChance(context.rng)) match.BarkTicks = context.rng(50) + 21;
}

void CountDownLocks(MatchContext& context) {
  MatchState& match = context.match;
  int32& lock = context.shared.ResultClickLock;
  lock = std::max(career::SaturatingAdd(lock, -1), 0);
  match.BarkTicks = std::max(match.BarkTicks - 1, 0);
  if (std::find(std::begin(kBarkAt), std::end(kBarkAt), match.BarkTicks) != std::end(kBarkAt)) context.sounds.Play(Sound::Bark);
}

void AdvanceClock(MatchState& match, const career::CareerRecord& career) {
  if (match.Paused == 0) --match.MatchClock;
  if (match.Paused == 1) --match.PauseBudget;
  if (match.Paused == 0) ++match.PauseRegenCounter;
  if (match.PauseRegenCounter == kRegenTicks) {
    match.PauseRegenCounter = 0;
    match.PauseBudget += PauseRegrowth(career.Challenge);
  }
  if (match.PauseBudget < 1) {
    match.PauseBudget = 0;
    match.Paused = 0;
  }
  if (match.PauseBudget > match.PauseBudgetMax) match.PauseBudget = match.PauseBudgetMax;
}

void CountDownSprints(const MatchState& match, career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    if (match.Paused == 0 && career.Sprint[j] > 1) --career.Sprint[j];
  }
}

void TruncateFlagPos(MatchState& match) { match.FlagPos = Truncated(match.FlagPos); }

void TestFlagHung(MatchState& match) {
  match.FlagHung = Closer(kHomeStation, match.FlagPos, kHangRadius) ? 1 : 0;
}

void CarryFlag(MatchState& match, const career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.HasFlag[j] == 1) match.FlagPos = ToPicture(career.PlayerPos[j]);
  }
}

void DropFlag(career::CareerRecord& career) {
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] == 0 && career.HasFlag[j] == 1) career.HasFlag[j] = 0;
  }
}

void PickUpFlag(const MatchState& match, career::CareerRecord& career) {
  const FieldPoint flag = match.FlagPos;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] != 1 || AnyoneHasFlag(career)) continue;
    if (Closer(career.PlayerPos[j], ToField(flag), kReachRadius)) {
      career.HasFlag[j] = 1;
      // Only a flag still on its start point is a pull.
      if (flag == kFlagStart) career::CountOn(career.FlagPulls[j]);
    }
  }
}

bool MatchIsOver(const MatchState& match, career::CareerRecord& career) {
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
