#include <gtest/gtest.h>

#include <regex>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "platform/scaling.h"

using platform::CommandLine;

namespace {

struct Case {
  std::vector<std::string_view> arguments;
  CommandLine::Action action;
  std::optional<int> scale;
  std::string_view complaint_has;
};

using Action = CommandLine::Action;

const std::vector<Case> kCases = {
    {{}, Action::Play, std::nullopt, ""},
    {{"--scale", "2"}, Action::Play, 2, ""},
    {{"--scale=3"}, Action::Play, 3, ""},
    {{"--scale", "auto"}, Action::Play, std::nullopt, ""},
    {{"--scale", "2", "--scale", "auto"}, Action::Play, std::nullopt, ""},
    {{"--scale", "16"}, Action::Play, 16, ""},
    {{"--help"}, Action::ShowHelp, std::nullopt, ""},
    {{"-h", "--scale", "2"}, Action::ShowHelp, 2, ""},
    {{"--version"}, Action::ShowVersion, std::nullopt, ""},
    {{"--version", "--help"}, Action::ShowHelp, std::nullopt, ""},
    {{"--fullscreen"}, Action::Refuse, std::nullopt, "unknown option '--fullscreen'"},
    {{"--help", "--bogus"}, Action::Refuse, std::nullopt, "unknown option '--bogus'"},
    {{"-x"}, Action::Refuse, std::nullopt, "unknown option '-x'"},
    {{"datarecord.dat"}, Action::Refuse, std::nullopt, "unexpected argument 'datarecord.dat'"},
    {{"--scale"}, Action::Refuse, std::nullopt, "--scale needs a value"},
    {{"--scale", "0"}, Action::Refuse, std::nullopt, "not '0'"},
    {{"--scale", "17"}, Action::Refuse, std::nullopt, "not '17'"},
    {{"--scale", "-2"}, Action::Refuse, std::nullopt, "not '-2'"},
    {{"--scale", "2x"}, Action::Refuse, std::nullopt, "not '2x'"},
    {{"--scale", "99999999999"}, Action::Refuse, std::nullopt, "not '99999999999'"},
    {{"--scale="}, Action::Refuse, std::nullopt, "not ''"},
    {{"--scales", "2"}, Action::Refuse, std::nullopt, "unknown option '--scales'"},
};

std::string Shown(const std::vector<std::string_view>& arguments) {
  std::string text;
  for (const std::string_view argument : arguments) text += " " + std::string(argument);
  return text;
}

}  // namespace

TEST(CommandLine, EveryLineIsPlayedShownOrRefusedWithTheReason) {
  for (const Case& test : kCases) {
    const CommandLine line = platform::ParseCommandLine(test.arguments);
    SCOPED_TRACE("splatvane" + Shown(test.arguments));
    EXPECT_EQ(line.action, test.action);
    if (test.action == Action::Refuse) {
      EXPECT_NE(line.complaint.find(test.complaint_has), std::string::npos) << line.complaint;
      EXPECT_NE(line.complaint.find("splatvane --help"), std::string::npos) << "the way to the options";
    } else {
      EXPECT_EQ(line.scale, test.scale);
      EXPECT_EQ(line.complaint, "");
    }
  }
}

TEST(CommandLine, TheHelpNamesEveryOptionAndTheVersionIsTheProgramsOwn) {
  const std::string help = platform::HelpText();
  for (const char* option : {"--scale N", "--scale auto", "--help", "--version"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  EXPECT_TRUE(std::regex_match(platform::VersionText(), std::regex("Splatvane [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << platform::VersionText();
}

// The display sizes people have, and what each pixel of the game becomes on them.
TEST(Scaling, TheLargestWholeScaleAtWhichThePictureFitsTheDisplay) {
  const struct {
    int width, height, scale;
  } displays[] = {
      {800, 600, 1},   {1024, 768, 1},  {1920, 1080, 1}, {1600, 1199, 1}, {1600, 1200, 2}, {2560, 1440, 2},
      {2400, 1800, 3}, {3840, 2160, 3}, {5120, 2880, 4}, {7680, 4320, 7}, {640, 480, 1},   {0, 0, 1},
  };
  for (const auto& display : displays) {
    EXPECT_EQ(platform::LargestScaleFitting(display.width, display.height), display.scale)
        << display.width << " x " << display.height;
  }
}

TEST(Scaling, TheGameSeesAnAreaThatManyTimesSmallerAndTheMouseInItsPixels) {
  const platform::Scaling twice{2}, once{1}, thrice{3};
  EXPECT_EQ(twice.GameArea(2560, 1440).width, 1280);
  EXPECT_EQ(twice.GameArea(2560, 1440).height, 720);
  EXPECT_EQ(thrice.GameArea(3841, 2162).width, 1280) << "the odd pixels at the edge stay white";
  EXPECT_EQ(thrice.GameArea(3841, 2162).height, 720);
  // The picture's top-left pixel, centred in 1280 x 720, is window pixels 480..481 x 120..121.
  for (const int x : {480, 481}) EXPECT_EQ(twice.ToGame(x, 121).x, 240);
  EXPECT_EQ(twice.ToGame(479, 119).x, 239);
  EXPECT_EQ(twice.ToGame(479, 119).y, 59);
  EXPECT_EQ(twice.ToGame(-1, -2).x, -1) << "dragged off the window's left edge";
  EXPECT_EQ(twice.ToGame(-1, -2).y, -1);
  EXPECT_EQ(thrice.ToGame(-4, 0).x, -2);
  EXPECT_EQ(once.ToGame(537, -5).x, 537);
  EXPECT_EQ(once.ToGame(537, -5).y, -5);
  EXPECT_EQ(thrice.ToWindow(800), 2400);
}
