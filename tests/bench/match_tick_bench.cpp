// The heaviest match tick: a duststorm, all fourteen players in play, 200 paintballs in flight,
// the pointer over the field and every sight trace, drawing included.
#include <benchmark/benchmark.h>

#include "app/title_screen.h"
#include "match/match_screen.h"
#include "support/fake_host.h"
#include "tour/next_match_screen.h"

namespace {

void SetUpHeaviestTick(testing_support::Game& game) {
  app::Program& program = game.program;
  program.Form1().TitleChoice = 1;
  game.Tick();
  program.Career.WeatherAllowed = 2;
  game.ShowOnly(program.Form7());
  game.Press(765, 500);
  match::MatchState& match = program.Match;
  program.Shared.Surface = 2;
  match.WeatherRoll = 5;
  match.Paused = 0;
  match.MatchClock = 2000;
  for (int k = 1; k <= 7; ++k) {
    program.Career.PlayerPos[k] = {60.0 + 20 * k, 40.0 + 45 * k};
    program.Career.PlayerTarget[k] = {700, 200};
    program.Career.Firing[k] = 1;
    program.Career.AimPoint[k] = {700, 240};
    match.OppPos[k] = {720.0 - 20 * k, 40.0 + 45 * k};
  }
  // Balls crossing the open middle of the field, clear of players and bunkers for this tick.
  for (int k = 1; k <= match::kPaintballCount; ++k) {
    match.Paintballs[k] = {.Pos = {460.0 + (k % 20) * 2, 10.0 + (k / 20) * 3}, .Owner = 1 + k % 14, .Vel = {0.5, 0.5}, .Active = 1};
  }
  program.Form8().Image1MouseMove(600, 300);
}

void HeaviestMatchTick(benchmark::State& state) {
  testing_support::Game game(true);
  SetUpHeaviestTick(game);
  app::Program& program = game.program;
  const career::CareerRecord career = program.Career;
  const match::MatchState match = program.Match;
  const world::SharedState shared = program.Shared;
  program.Form8().Timer1Timer();
  int in_flight = 0, in_play = 0;
  for (const match::Paintball& ball : program.Match.Paintballs) in_flight += ball.Active;
  for (int k = 1; k <= 7; ++k) in_play += program.Career.InPlay[k] + program.Match.OppInPlay[k];
  if (in_flight != match::kPaintballCount || in_play != 14) {
    state.SkipWithError("the tick is not the heaviest one");
  }
  for (auto _ : state) {
    program.Career = career;
    program.Match = match;
    program.Shared = shared;
    program.Form8().Timer1Timer();
  }
}
BENCHMARK(HeaviestMatchTick)->Unit(benchmark::kMicrosecond);

}  // namespace
