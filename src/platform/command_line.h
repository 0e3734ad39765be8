#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

inline constexpr int kLargestScale = 16;

// What the command line asks for.
struct CommandLine {
  enum class Action { Play, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Play;
  // How many display pixels show one pixel of the game each way; none: the largest that fits.
  std::optional<int> scale;
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
