#include "platform/command_line.h"

#include <charconv>

namespace platform {

namespace {

constexpr std::string_view kScaleOption = "--scale";

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kLargestScale) {
    return std::nullopt;
  }
  return value;
}

CommandLine Refused(std::string complaint) {
  CommandLine line;
  line.action = CommandLine::Action::Refuse;
  line.complaint = "splatvane: " + std::move(complaint) + "\nTry 'splatvane --help' for the options.";
  return line;
}

// The scale a value names, or nothing when it names none.
std::optional<ScaleChoice> ScaleNamed(std::string_view value) {
  if (value == "fit") return ScaleChoice{ScaleChoice::Kind::Fit, 1};
  if (value == "auto") return ScaleChoice{ScaleChoice::Kind::LargestWhole, 1};
  if (const std::optional<int> factor = WholeNumber(value)) return ScaleChoice{ScaleChoice::Kind::Whole, *factor};
  return std::nullopt;
}

std::string ScaleValues() { return "fit, auto or a whole number 1.." + std::to_string(kLargestScale); }

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
    } else if (argument == "--window") {
      line.windowed = true;
    } else if (argument == kScaleOption || argument.starts_with("--scale=")) {
      const bool joined = argument != kScaleOption;
      if (!joined && i + 1 == arguments.size()) return Refused("--scale needs a value: " + ScaleValues());
      const std::string_view value = joined ? argument.substr(kScaleOption.size() + 1) : arguments[++i];
      const std::optional<ScaleChoice> scale = ScaleNamed(value);
      if (!scale) return Refused("--scale takes " + ScaleValues() + ", not '" + std::string(value) + "'");
      line.scale = *scale;
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
  return "Usage: splatvane [--scale fit|auto|N] [--window]\n"
         "A paintball-tournament game: manage a team of seven on a tour of twenty countries\n"
         "and play its matches live.\n"
         "\n"
         "  --scale fit   the largest picture that fits the display, its shape kept, smoothly\n"
         "                filtered (the default; 1.8 times on 1920 x 1080)\n"
         "  --scale auto  the largest whole N at which the 800 x 600 picture fits\n"
         "  --scale N     show each pixel of the game as a sharp N x N square (1.." +
         std::to_string(kLargestScale) +
         "); a scale too\n"
         "                large for the display gives way to the largest that fits\n"
         "  --window      start in a normal, resizable window instead of over the whole\n"
         "                display; its close button ends the game\n"
         "  --help        show this help and end\n"
         "  --version     show the version and end\n"
         "\n"
         "F11 or Alt+Enter switches between the whole display and a window at any moment.\n"
         "The career is saved in datarecord.dat in the working folder; the installed command\n"
         "runs the game in ${XDG_DATA_HOME:-~/.local/share}/splatvane/.\n";
}

std::string VersionText() { return std::string("Splatvane ") + SPLATVANE_VERSION + "\n"; }

}  // namespace platform
