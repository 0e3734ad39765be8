#pragma once
// The help texts of the game folder, put into a folder in memory so that the help screen
// finds them there as the game finds them beside the program.
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "help/help_screen.h"
#include "support/fake_host.h"

namespace testing_support {

inline void PutHelpTexts(MemoryFiles& files) {
  static const std::map<std::string, std::vector<std::uint8_t>> texts = [] {
    std::map<std::string, std::vector<std::uint8_t>> read;
    for (const help::Topic& topic : help::kTopics) {
      std::ifstream file(std::string(SPLATVANE_GAME_DIR) + "/" + std::string(topic.file), std::ios::binary);
      read[std::string(topic.file)].assign(std::istreambuf_iterator<char>(file), {});
    }
    return read;
  }();
  for (const auto& [name, bytes] : texts) files.files[name] = bytes;
}

}  // namespace testing_support
