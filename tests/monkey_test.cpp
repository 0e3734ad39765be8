#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/monkey.h"

namespace {

long FromEnvironment(const char* name, long otherwise) {
  const char* value = std::getenv(name);
  return value ? std::strtol(value, nullptr, 10) : otherwise;
}

// A short run with a fixed seed; SPLATVANE_MONKEY_EVENTS and SPLATVANE_MONKEY_SEED ask for
// a long one, such as a million events.
TEST(Monkey, KeepsEveryRuleOnEveryScreen) {
  const long events = FromEnvironment("SPLATVANE_MONKEY_EVENTS", 4000);
  const auto seed = static_cast<std::uint32_t>(FromEnvironment("SPLATVANE_MONKEY_SEED", 20261208));
  testing_support::Monkey monkey(seed);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(monkey.Run(events), "");
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%ld events, seed %u, %ld programs started, %.1f s\n", monkey.EventsSent(), seed, monkey.ProgramsStarted(), seconds);
  for (const auto& [screen, count] : monkey.EventsPerScreen()) std::printf("  screen %d: %ld events\n", screen, count);
}

}  // namespace
