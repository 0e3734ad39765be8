// The program's peak memory, measured in a process of its own so that nothing the other
// benchmarks did is counted.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

void PeakMemory(benchmark::State& state) {
  long peak_kb = -1, own_kb = -1;
  for (auto _ : state) {
    const std::string command = std::string("'") + SPLATVANE_PEAK_MEMORY_PROGRAM + "' '" + SPLATVANE_GAME_DIR + "'";
    FILE* run = popen(command.c_str(), "r");
    if (!run || std::fscanf(run, "%ld %ld", &peak_kb, &own_kb) != 2) state.SkipWithError("the measuring run failed");
    if (run) pclose(run);
  }
  state.counters["peak_resident_MB"] = static_cast<double>(peak_kb) / 1024.0;
  state.counters["own_MB"] = static_cast<double>(own_kb) / 1024.0;
}
BENCHMARK(PeakMemory)->Name("PeakMemory/after_every_screen_and_a_whole_match")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
