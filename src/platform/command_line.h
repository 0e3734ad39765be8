#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/scaling.h"

namespace platform {

inline constexpr int kLargestScale = 16;

// What the command line asks for.
struct CommandLine {
  enum class Action { Play, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Play;
  // How large the picture is shown.
  ScaleChoice scale;
  // In a normal window rather than over the whole display.
  bool windowed = false;
  // Why the command line was refused, to be told on the error output.
  std::string complaint;
};

// The arguments after the program's name.
CommandLine ParseCommandLine(std::span<const std::string_view> arguments);

std::string HelpText();
std::string VersionText();

// What main() tells and returns for a command line that does not start the game.
inline constexpr int kRefusedStatus = 2;

}  // namespace platform
