// Plays a match headless from a scenario file and writes one JSON line per tick.
// usage: replay SCENARIO.json            the trace on standard output
//        replay --golden SCENARIO.json…  rewrites each scenario's trace beside it (.jsonl)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "replay_run.h"

namespace {

int Play(const std::string& path, std::ostream& out) {
  std::ifstream file(path);
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  try {
    replay::Replay(nlohmann::json::parse(file), [&](const std::string& line) { out << line << '\n'; });
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), error.what());
    return 1;
  }
  return out ? 0 : 1;
}

std::string TracePath(const std::string& scenario) {
  const std::size_t dot = scenario.rfind('.');
  return (dot == std::string::npos ? scenario : scenario.substr(0, dot)) + ".jsonl";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) != "--golden") return Play(argv[1], std::cout);
  if (argc >= 3 && std::string(argv[1]) == "--golden") {
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
      std::ofstream trace(TracePath(argv[i]));
      failures += Play(argv[i], trace);
    }
    return failures == 0 ? 0 : 1;
  }
  std::fprintf(stderr, "usage: replay SCENARIO.json | replay --golden SCENARIO.json...\n");
  return 2;
}
