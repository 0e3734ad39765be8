// Start-up to the first frame with every picture loaded, and one title-screen tick.
#include <benchmark/benchmark.h>

#include "fake_host.h"

namespace {

void StartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    testing_support::FakeHost host;
    shell::Program program(host);
    const std::string failed = program.Start();
    if (!failed.empty()) state.SkipWithError(failed.c_str());
    host.now += 100;
    program.Advance(host.now);
    benchmark::DoNotOptimize(host.frame);
  }
}
BENCHMARK(StartToFirstFrame)->Unit(benchmark::kMillisecond);

void TitleTick(benchmark::State& state) {
  testing_support::Game game(true);
  for (auto _ : state) {
    game.host.now += 100;
    game.program.Advance(game.host.now);
  }
}
BENCHMARK(TitleTick)->Unit(benchmark::kMicrosecond);

}  // namespace
