#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>

namespace core {

// The program's one random generator: a 32-bit linear congruential generator, re-seeded from
// the clock by the watchdog. Tests may fix the seed or script the draws to reach a rare case.
class Random {
 public:
  // A uniform integer 0..n-1 (0 when n < 1).
  int operator()(int n);

  void Seed(std::uint32_t seed) { seed_ = seed; }
  void Reseed(std::uint32_t seed) {
    if (!seed_fixed_) seed_ = seed;
  }
  void FixSeed(std::uint32_t seed) {
    seed_ = seed;
    seed_fixed_ = true;
  }
  // The next draws come from this list (each kept within 0..n-1), then the generator again.
  void Script(std::initializer_list<int> draws) { script_.insert(script_.end(), draws); }

  // Told of every draw, as Random(n) and its result: how a replayed match logs its draws.
  std::function<void(int n, int result)> Observer;

 private:
  int Draw(int n);

  std::uint32_t seed_ = 0;
  bool seed_fixed_ = false;
  std::deque<int> script_;
};

}  // namespace core
