// The duststorm's drawing: 100 particles, each with 80 specks of radius-1 circles, per tick.
#include <benchmark/benchmark.h>

#include "fake_host.h"
#include "match/match_drawing.h"

namespace {

void DuststormWeather(benchmark::State& state) {
  testing_support::Game game;
  game.program.Career.WeatherAllowed = 2;
  game.program.Match.WeatherRoll = 5;
  game.program.Shared.Surface = 2;
  gfx::Canvas canvas(800, 600, &game.program.Fonts());
  for (auto _ : state) {
    match::WeatherEffects(game.program, canvas);
    benchmark::DoNotOptimize(canvas.Image().Row(300));
  }
}
BENCHMARK(DuststormWeather)->Unit(benchmark::kMicrosecond);

}  // namespace
