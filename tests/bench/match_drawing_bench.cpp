// The match picture's drawing: the duststorm alone (100 particles, each with 80 specks of
// radius-1 circles, per tick), and the whole picture of a crowded match in a duststorm.
#include <benchmark/benchmark.h>

#include "match/match_drawing.h"
#include "match/match_screen.h"
#include "support/fake_host.h"

namespace {

void StirUpDust(app::Program& program) {
  program.Career.WeatherAllowed = 2;
  program.Match.WeatherRoll = 5;
  program.Shared.Surface = 2;
}

void DuststormWeather(benchmark::State& state) {
  testing_support::Game game;
  StirUpDust(game.program);
  gfx::Canvas canvas(800, 600, &game.program.Fonts());
  match::MatchContext context = match::ContextOf(game.program);
  for (auto _ : state) {
    match::WeatherEffects(context, canvas);
    benchmark::DoNotOptimize(canvas.Image().Row(300));
  }
}
BENCHMARK(DuststormWeather)->Unit(benchmark::kMicrosecond);

// Fourteen players in play and seen, 200 paintballs in flight, the pointer path's 100 dots.
void CrowdedMatchPicture(benchmark::State& state) {
  testing_support::Game game(true);
  app::Program& program = game.program;
  StirUpDust(program);
  for (int slot = 1; slot <= 7; ++slot) {
    program.Career.InPlay[slot] = 1;
    program.Career.GearLevel[slot] = slot == 7 ? 0 : 3;
    program.Career.PlayerPos[slot] = {40.0 + 20 * slot, 100.0 + 30 * slot};
    program.Match.OppInPlay[slot] = program.Match.OppVisible[slot] = 1;
    program.Match.OppPos[slot] = {700.0 - 20 * slot, 100.0 + 30 * slot};
  }
  for (int k = 1; k <= match::kPaintballCount; ++k) program.Match.Paintballs[k] = {{2.0 + 3.9 * k, 200}, 1, {15, 0}, 1};
  program.Match.Paused = 1;
  match::MatchContext context = match::ContextOf(program);
  const match::MatchState& match = program.Match;
  const career::CareerRecord& career = program.Career;
  const world::SharedState& shared = program.Shared;
  const match::MatchPictures pictures = match::PicturesOf(program);
  for (auto _ : state) {
    gfx::Canvas canvas(800, 600, &program.Fonts());
    match::DrawField(match, shared, pictures, canvas);
    match::DrawTeamStrip(career, pictures, canvas);
    match::DrawCaptionLine(match, career, shared, canvas);
    match::DrawPanel(match, career, shared, pictures, canvas);
    match::DrawEndMarks(canvas);
    match::DrawFlag(match, canvas);
    for (int dot = 1; dot <= 100; ++dot) match::DrawPathDot(canvas, {4.0 * dot, 150}, {});
    match::DrawPathCaption(canvas, {400, 150}, false);
    match::DrawTiredFigures(match, career, shared, canvas);
    match::DrawPlayersAndBunkers(match, career, shared, program.Rng, canvas);
    match::DrawPaintballs(match, canvas);
    match::WeatherEffects(context, canvas);
    match::DrawPausedBanner(match, pictures, canvas);
    benchmark::DoNotOptimize(canvas.Image().Row(300));
  }
}
BENCHMARK(CrowdedMatchPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
