// Each scenario under tests/golden replays to exactly its checked-in trace, line by line.
// After a deliberate change of the rules, rewrite the traces with
//   build/replay --golden tests/golden/*.json
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "replay_run.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Scenarios() {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(fs::path(SPLATVANE_SOURCE_DIR) / "tests/golden")) {
    if (entry.path().extension() == ".json") found.push_back(entry.path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

TEST(GoldenTraces, EveryScenarioReplaysToItsTrace) {
  const std::vector<fs::path> scenarios = Scenarios();
  ASSERT_FALSE(scenarios.empty());
  for (const fs::path& scenario : scenarios) {
    std::ifstream scenario_file(scenario);
    std::ifstream trace_file(fs::path(scenario).replace_extension(".jsonl"));
    ASSERT_TRUE(trace_file) << scenario << " has no trace";
    int line_number = 0;
    std::string expected;
    bool differs = false;
    replay::Replay(nlohmann::json::parse(scenario_file), [&](const std::string& line) {
      ++line_number;
      if (differs) return;
      if (!std::getline(trace_file, expected) || line != expected) {
        differs = true;
        ADD_FAILURE() << scenario.filename() << " differs at line " << line_number << ":\n" << line;
      }
    });
    EXPECT_FALSE(differs || std::getline(trace_file, expected)) << scenario.filename() << " has lines left over";
  }
}

}  // namespace
