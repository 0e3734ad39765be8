#include "match/match_start.h"

#include <algorithm>

#include "match/field_model.h"

namespace match {

namespace {

using Layout = std::array<FieldPoint, kBunkerCount>;

constexpr std::array<Layout, kLayoutCount> kLayouts = {{
    {{{400, 50}, {400, 200}, {400, 350}, {200, 100}, {250, 200}, {200, 300}, {600, 100},
      {550, 200}, {600, 300}, {100, 350}, {700, 50}, {100, 50}, {700, 350}, {-600, -300}}},
    {{{100, 100}, {100, 300}, {300, 350}, {400, 300}, {500, 350}, {700, 100}, {700, 300},
      {400, 100}, {500, 50}, {300, 50}, {150, 200}, {650, 200}, {400, 180}, {400, 220}}},
    {{{400, 180}, {380, 220}, {420, 220}, {100, 70}, {100, 330}, {700, 70}, {700, 330},
      {150, 200}, {650, 200}, {250, 100}, {550, 100}, {200, 300}, {600, 300}, {400, 350}}},
    {{{150, 50}, {150, 200}, {150, 350}, {400, 100}, {400, 200}, {400, 300}, {650, 50},
      {650, 200}, {650, 350}, {300, 150}, {500, 150}, {300, 250}, {500, 250}, {400, 50}}},
    {{{150, 150}, {200, 75}, {250, 50}, {150, 250}, {200, 325}, {250, 350}, {380, 200},
      {650, 150}, {600, 75}, {550, 50}, {650, 250}, {600, 325}, {500, 350}, {420, 200}}},
}};

constexpr int kMatchTicks = 2500;
constexpr int kFastestOpposition = 20;
constexpr int kLowTech = 1;
constexpr int kBunkerColours = 3;

FieldPoint StartPoint(double x, int j) { return {x, 20.0 * j + 120.0}; }

int32 OppositionGearLevel(const career::CareerRecord& career, core::Random& rng) {
  const int32 drawn = rng(2);
  const long long level = career.TechLevel == kLowTech ? drawn + 1 : drawn + career.TourStage / 5 + 1;
  return static_cast<int32>(std::clamp<long long>(level, 1, 6));
}

void LineUpBothTeams(MatchContext& context) {
  career::CareerRecord& career = context.career;
  MatchState& match = context.match;
  for (int j = 1; j <= kTeamSize; ++j) {
    career.AimPoint[j] = {0.0, 0.0};
    career.Firing[j] = 0;
    career.MatchPending = 1;
    career.PlayerPos[j] = StartPoint(35.0, j);
    match.OppPos[j] = StartPoint(765.0, j);
    context.shared.ResultFrame = 0;
    career.PlayerTarget[j] = StartPoint(35.0, j);
    career.Sprint[j] = 0;
    match.OppTarget[j] = StartPoint(765.0, j);
    match.OppSpeed[j] = static_cast<int32>(std::min<long long>(kFastestOpposition, career.TourStage / 2 + 10));
    match.OppGearLevel[j] = OppositionGearLevel(career, context.rng);
    career.InPlay[j] = 1;
    match.OppInPlay[j] = 1;
    match.OppVisible[j] = 1;
    career.Spotted[j] = 1;
  }
}

int32 PauseBudgetFor(int32 challenge, int32 unchanged) {
  if (challenge == 1) return 9999;
  if (challenge == 2) return 999;
  if (challenge == 3) return 500;
  return unchanged;
}

// The layouts take turns over the whole run of the program; a value from outside the cycle
// starts it again at layout 1.
int32 NextLayout(int32 layout) {
  const long long next = static_cast<long long>(layout) + 1;
  return next >= 1 && next <= kLayoutCount ? static_cast<int32>(next) : 1;
}

}  // namespace

const std::array<FieldPoint, kBunkerCount>& BunkerLayout(int layout) {
  return kLayouts[static_cast<std::size_t>(std::clamp(layout, 1, kLayoutCount) - 1)];
}

void StartMatch(MatchContext& context) {
  MatchState& match = context.match;
  world::SharedState& shared = context.shared;
  match.MatchClock = kMatchTicks;
  for (Paintball& paintball : match.Paintballs) paintball.Active = 0;
  LineUpBothTeams(context);
  shared.SelectedPlayer = 4;
  match.FlagPos = kFlagStart;
  match.WeatherRoll = context.rng(5) + 1;
  match.LightningTicks = 0;
  for (int32& kind : match.BunkerKind) kind = context.rng(kBunkerColours) + 1;
  match.WeatherText = "Weather: Fine";
  match.Paused = 1;
  match.PauseRegenCounter = 0;
  match.FlagHung = 0;
  match.PauseBudgetMax = PauseBudgetFor(context.career.Challenge, match.PauseBudgetMax);
  match.PauseBudget = match.PauseBudgetMax;
  for (int j = 1; j <= kTeamSize; ++j) context.career.HasFlag[j] = 0;
  shared.FieldLayout = NextLayout(shared.FieldLayout);
  const Layout& layout = BunkerLayout(shared.FieldLayout);
  for (int n = 1; n <= kBunkerCount; ++n) match.Bunkers[n] = layout[static_cast<std::size_t>(n - 1)];
}

}  // namespace match
