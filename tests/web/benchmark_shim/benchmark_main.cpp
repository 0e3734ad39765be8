#include <emscripten/emscripten.h>

#include <cstdio>

#include "benchmark/benchmark.h"

EM_JS(double, ProcessSeconds, (), {
  const used = process.cpuUsage();
  return (used.user + used.system) / 1e6;
});

namespace {

// Iterations that take a second of processor time at least, from a first guess that is doubled.
double MeanSeconds(benchmark::Registration& benchmark, long& iterations) {
  for (;;) {
    benchmark::State state(iterations);
    benchmark.run(state);
    if (!state.error.empty()) {
      std::fprintf(stderr, "%s: %s\n", benchmark.name.c_str(), state.error.c_str());
      return -1;
    }
    if (state.seconds >= 1.0) return state.seconds / static_cast<double>(iterations);
    iterations *= 2;
  }
}

}  // namespace

int main() {
  int failures = 0;
  for (benchmark::Registration* benchmark : benchmark::Registered()) {
    long iterations = 16;
    double best = 0;
    for (int run = 0; run < 3; ++run) {
      const double mean = MeanSeconds(*benchmark, iterations);
      if (mean < 0) {
        ++failures;
        break;
      }
      if (run == 0 || mean < best) best = mean;
    }
    if (best > 0) std::printf("%-24s %10.3f ms  processor time (%ld iterations, the quickest of 3 runs)\n", benchmark->name.c_str(), best * 1e3, iterations);
  }
  return failures == 0 ? 0 : 1;
}
