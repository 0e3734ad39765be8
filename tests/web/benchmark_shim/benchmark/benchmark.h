#pragma once
// The few calls of Google Benchmark that the heaviest-tick benchmark makes, so that it runs
// under node where the library is not built: each benchmark runs for a second of processor
// time at least, three times, and the quickest mean per iteration is told. Processor time, as
// the library's own table gives it, so that other work on the machine counts for little.
#include <functional>
#include <string>
#include <vector>

// The processor time node's process has used, in seconds.
extern "C" double ProcessSeconds();

namespace benchmark {

enum TimeUnit { kNanosecond, kMicrosecond, kMillisecond };

class State {
 public:
  explicit State(long iterations) : left_(iterations) {}

  struct __attribute__((unused)) Value {};
  struct Iterator {
    State* state;
    bool operator!=(const Iterator&) const { return state->Next(); }
    void operator++() {}
    Value operator*() const { return {}; }
  };
  Iterator begin() {
    started_ = ProcessSeconds();
    return {this};
  }
  Iterator end() { return {this}; }

  void SkipWithError(const char* message) {
    error = message;
    left_ = 0;
  }
  void PauseTiming() { paused_at_ = ProcessSeconds(); }
  void ResumeTiming() { paused_ += ProcessSeconds() - paused_at_; }

  std::string error;
  double seconds = 0;

 private:
  bool Next() {
    if (left_-- > 0) return true;
    seconds = ProcessSeconds() - started_ - paused_;
    return false;
  }

  long left_;
  double started_ = 0, paused_at_ = 0, paused_ = 0;
};

template <typename T>
void DoNotOptimize(T&& value) {
  asm volatile("" : : "r"(&value) : "memory");
}

struct Registration {
  std::string name;
  std::function<void(State&)> run;
  TimeUnit unit = kNanosecond;
  Registration* Unit(TimeUnit chosen) {
    unit = chosen;
    return this;
  }
};

inline std::vector<Registration*>& Registered() {
  static std::vector<Registration*> all;
  return all;
}

inline Registration* Register(const char* name, void (*run)(State&)) {
  Registered().push_back(new Registration{name, run});
  return Registered().back();
}

}  // namespace benchmark

#define BENCHMARK_JOIN2(a, b) a##b
#define BENCHMARK_JOIN(a, b) BENCHMARK_JOIN2(a, b)
#define BENCHMARK(function) \
  [[maybe_unused]] static ::benchmark::Registration* BENCHMARK_JOIN(registered_, __LINE__) = ::benchmark::Register(#function, function)
