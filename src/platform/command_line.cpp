#include "platform/command_line.h"

#include <charconv>

namespace platform {

namespace {

constexpr std::string_view kScaleOption = "--scale";

std::optional<int> WholeScale(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kLargestScale) {
    return std::nullopt;
  }
  return value;
}

CommandLine Refused(std::string complaint) {
  return {CommandLine::Action::Refuse, std::nullopt,
          "splatvane: " + std::move(complaint) + "\nTry 'splatvane --help' for the options."};
}

// Takes the scale's value into the command line; false when it is no scale.
bool TakeScale(std::string_view value, CommandLine& line) {
  if (value == "auto") {
    line.scale.reset();
    return true;
  }
  line.scale = WholeScale(value);
  return line.scale.has_value();
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine line;
  bool help = false, version = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      help = true;
    } else if (argument == "--version") {
      version = true;
    } else if (argument == kScaleOption || argument.starts_with("--scale=")) {
      const bool joined = argument != kScaleOption;
      if (!joined && i + 1 == arguments.size()) return Refused("--scale needs a value: auto or a whole number 1.." + std::to_string(kLargestScale));
      const std::string_view value = joined ? argument.substr(kScaleOption.size() + 1) : arguments[++i];
      if (!TakeScale(value, line)) {
        return Refused("--scale takes auto or a whole number 1.." + std::to_string(kLargestScale) + ", not '" +
                       std::string(value) + "'");
      }
    } else if (argument.starts_with("-")) {
      return Refused("unknown option '" + std::string(argument) + "'");
    } else {
      return Refused("unexpected argument '" + std::string(argument) + "'");
    }
  }
  if (help) line.action = CommandLine::Action::ShowHelp;
  else if (version) line.action = CommandLine::Action::ShowVersion;
  return line;
}

std::string HelpText() {
  return "Usage: splatvane [--scale N|auto]\n"
         "A paintball-tournament game: manage a team of seven on a tour of twenty countries\n"
         "and play its matches live.\n"
         "\n"
         "  --scale N     show each pixel of the game as N x N pixels of the display (1.." +
         std::to_string(kLargestScale) +
         ")\n"
         "  --scale auto  the largest N at which the 800 x 600 picture fits the display\n"
         "                (the default)\n"
         "  --help        show this help and end\n"
         "  --version     show the version and end\n"
         "\n"
         "The career is saved in datarecord.dat in the working folder; the installed command\n"
         "runs the game in ${XDG_DATA_HOME:-~/.local/share}/splatvane/.\n";
}

std::string VersionText() { return std::string("Splatvane ") + SPLATVANE_VERSION + "\n"; }

}  // namespace platform
