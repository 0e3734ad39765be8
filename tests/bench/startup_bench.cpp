// Start-up to the first frame with every picture, sound and font loaded, and one title-screen tick.
#include <benchmark/benchmark.h>

#include "support/fake_host.h"

namespace {

// The fourteen wave files of the game folder, as the working folder holds them.
std::map<std::string, std::vector<std::uint8_t>> GameWaveFiles() {
  std::map<std::string, std::vector<std::uint8_t>> files;
  for (int i = 0; i < core::kSoundCount; ++i) {
    const std::string name = core::SoundFileName(static_cast<core::Sound>(i));
    if (auto bytes = gfx::ReadFileBytes(std::string(SPLATVANE_GAME_DIR) + "/" + name)) files[name] = std::move(*bytes);
  }
  return files;
}

void StartToFirstFrame(benchmark::State& state) {
  const auto waves = GameWaveFiles();
  for (auto _ : state) {
    state.PauseTiming();
    auto fake_host = std::make_unique<testing_support::FakeHost>();
    fake_host->files.files = waves;
    state.ResumeTiming();
    testing_support::FakeHost& host = *fake_host;
    app::Program program(host);
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
