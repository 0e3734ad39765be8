#include <gtest/gtest.h>

#include <regex>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "platform/scaling.h"
#include "platform/sdl_host.h"

using platform::CommandLine;

namespace {

using Action = CommandLine::Action;
using Kind = platform::ScaleChoice::Kind;

constexpr platform::ScaleChoice kFit{Kind::Fit, 1};
constexpr platform::ScaleChoice kLargestWhole{Kind::LargestWhole, 1};
constexpr platform::ScaleChoice Whole(int factor) { return {Kind::Whole, factor}; }

struct Case {
  std::vector<std::string_view> arguments;
  CommandLine::Action action;
  platform::ScaleChoice scale;
  std::string_view complaint_has;
  bool windowed = false;
};

const std::vector<Case> kCases = {
    {{}, Action::Play, kFit, ""},
    {{"--scale", "2"}, Action::Play, Whole(2), ""},
    {{"--scale=3"}, Action::Play, Whole(3), ""},
    {{"--scale", "auto"}, Action::Play, kLargestWhole, ""},
    {{"--scale", "fit"}, Action::Play, kFit, ""},
    {{"--scale", "2", "--scale", "auto"}, Action::Play, kLargestWhole, ""},
    {{"--scale=auto", "--scale=fit"}, Action::Play, kFit, ""},
    {{"--scale", "16"}, Action::Play, Whole(16), ""},
    {{"--window"}, Action::Play, kFit, "", true},
    {{"--scale", "2", "--window"}, Action::Play, Whole(2), "", true},
    {{"--help"}, Action::ShowHelp, kFit, ""},
    {{"-h", "--scale", "2"}, Action::ShowHelp, Whole(2), ""},
    {{"--version"}, Action::ShowVersion, kFit, ""},
    {{"--version", "--help"}, Action::ShowHelp, kFit, ""},
    {{"--fullscreen"}, Action::Refuse, kFit, "unknown option '--fullscreen'"},
    {{"--window=yes"}, Action::Refuse, kFit, "unknown option '--window=yes'"},
    {{"--help", "--bogus"}, Action::Refuse, kFit, "unknown option '--bogus'"},
    {{"-x"}, Action::Refuse, kFit, "unknown option '-x'"},
    {{"datarecord.dat"}, Action::Refuse, kFit, "unexpected argument 'datarecord.dat'"},
    {{"--scale"}, Action::Refuse, kFit, "--scale needs a value: fit, auto or a whole number"},
    {{"--scale", "0"}, Action::Refuse, kFit, "not '0'"},
    {{"--scale", "17"}, Action::Refuse, kFit, "not '17'"},
    {{"--scale", "-2"}, Action::Refuse, kFit, "not '-2'"},
    {{"--scale", "2x"}, Action::Refuse, kFit, "not '2x'"},
    {{"--scale", "1.8"}, Action::Refuse, kFit, "not '1.8'"},
    {{"--scale", "Fit"}, Action::Refuse, kFit, "not 'Fit'"},
    {{"--scale", "99999999999"}, Action::Refuse, kFit, "not '99999999999'"},
    {{"--scale="}, Action::Refuse, kFit, "not ''"},
    {{"--scales", "2"}, Action::Refuse, kFit, "unknown option '--scales'"},
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
      EXPECT_EQ(line.windowed, test.windowed);
      EXPECT_EQ(line.complaint, "");
    }
  }
}

TEST(CommandLine, TheHelpNamesEveryOptionAndTheVersionIsTheProgramsOwn) {
  const std::string help = platform::HelpText();
  for (const char* option : {"--scale fit", "--scale N", "--scale auto", "--window", "F11", "Alt+Enter", "--help",
                             "--version"}) {
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
  const platform::Scaling twice(2560, 1440, 2, 1), once(1920, 1080, 1, 1), thrice(3841, 2162, 3, 1);
  EXPECT_EQ(twice.GameArea().width, 1280);
  EXPECT_EQ(twice.GameArea().height, 720);
  EXPECT_EQ(thrice.GameArea().width, 1280) << "the odd pixels at the edge stay white";
  EXPECT_EQ(thrice.GameArea().height, 720);
  // The picture's top-left pixel, centred in 1280 x 720, is window pixels 480..481 x 120..121.
  for (const int x : {480, 481}) EXPECT_EQ(twice.ToGame(x, 121).x, 240);
  EXPECT_EQ(twice.ToGame(479, 119).x, 239);
  EXPECT_EQ(twice.ToGame(479, 119).y, 59);
  EXPECT_EQ(twice.ToGame(-1, -2).x, -1) << "dragged off the window's left edge";
  EXPECT_EQ(twice.ToGame(-1, -2).y, -1);
  EXPECT_EQ(thrice.ToGame(-4, 0).x, -2);
  EXPECT_EQ(once.ToGame(537, -5).x, 537);
  EXPECT_EQ(once.ToGame(537, -5).y, -5);
  EXPECT_EQ(thrice.WindowX(800), 2400.5);
}

// Fitted, the picture fills the display's height on 1920 x 1080 at 9/5: the game is given
// 1066 x 600, the picture's 800 columns show on window columns 240..1679, and a press on a
// window pixel lands on the game pixel drawn there.
TEST(Scaling, FittedThePictureFillsTheDisplayAndThePressLandsWhereItShows) {
  using platform::ScaleChoice;
  const platform::Scaling fitted = platform::Scaling::For({ScaleChoice::Kind::Fit, 1}, 1920, 1080);
  EXPECT_DOUBLE_EQ(fitted.Factor(), 1.8);
  EXPECT_FALSE(fitted.IsWhole());
  EXPECT_EQ(fitted.GameArea().width, 1066);
  EXPECT_EQ(fitted.GameArea().height, 600);
  const int left = 1066 / 2 - 400;  // where the game puts the picture
  EXPECT_DOUBLE_EQ(fitted.WindowX(left), 240.0);
  EXPECT_DOUBLE_EQ(fitted.WindowX(left + 800), 1680.0);
  EXPECT_EQ(fitted.ToGame(239, 0).x, left - 1);
  EXPECT_EQ(fitted.ToGame(240, 0).x, left);
  EXPECT_EQ(fitted.ToGame(1679, 1079).x, left + 799);
  EXPECT_EQ(fitted.ToGame(1679, 1079).y, 599);
  EXPECT_EQ(fitted.ToGame(1680, 1080).x, left + 800);
  EXPECT_EQ(fitted.ToGame(1680, 1080).y, 600);
  // Every window pixel goes back to the game pixel whose span holds its centre.
  for (int x = 0; x < 1920; ++x) {
    const int game = fitted.ToGame(x, 0).x;
    ASSERT_LE(fitted.WindowX(game), x + 0.5) << x;
    ASSERT_GT(fitted.WindowX(game + 1), x + 0.5) << x;
  }

  const struct {
    int width, height;
    double factor;
    int area_width, area_height;
  } windows[] = {
      {2560, 1440, 2.4, 1066, 600}, {1024, 768, 1.28, 800, 600}, {1600, 1200, 2.0, 800, 600},
      {1440, 810, 1.35, 1066, 600}, {1280, 1024, 1.6, 800, 640}, {400, 300, 0.5, 800, 600},
  };
  for (const auto& window : windows) {
    const platform::Scaling scaling = platform::Scaling::For({ScaleChoice::Kind::Fit, 1}, window.width, window.height);
    SCOPED_TRACE(std::to_string(window.width) + " x " + std::to_string(window.height));
    EXPECT_DOUBLE_EQ(scaling.Factor(), window.factor);
    EXPECT_EQ(scaling.GameArea().width, window.area_width);
    EXPECT_EQ(scaling.GameArea().height, window.area_height);
  }
  EXPECT_TRUE(platform::Scaling::For({ScaleChoice::Kind::Fit, 1}, 1600, 1200).IsWhole()) << "sharp when it can be";
}

// A whole scale too large for the window gives way to the largest that fits: never a crop.
TEST(Scaling, AWholeScaleTooLargeGivesWayToTheLargestThatFits) {
  using platform::ScaleChoice;
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::Whole, 5}, 1920, 1080).Factor(), 1.0);
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::Whole, 2}, 2560, 1440).Factor(), 2.0);
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::Whole, 16}, 3840, 2160).Factor(), 3.0);
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::Whole, 1}, 3840, 2160).Factor(), 1.0);
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::LargestWhole, 1}, 3840, 2160).Factor(), 3.0);
  // A window smaller than the picture shrinks it rather than cut it off.
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::Whole, 1}, 640, 480).Factor(), 0.8);
  EXPECT_DOUBLE_EQ(platform::Scaling::For({ScaleChoice::Kind::LargestWhole, 1}, 1024, 500).Factor(), 500.0 / 600);
}

// The window pixels a changed game rectangle touches, within the window.
TEST(Scaling, TheWindowPixelsOfAGameRectangle) {
  const platform::Scaling fitted(1920, 1080, 9, 5);
  const platform::WindowRect pixel = fitted.Covering(133, 0, 1, 1);
  EXPECT_EQ(pixel.x, 240);
  EXPECT_EQ(pixel.y, 0);
  EXPECT_EQ(pixel.width, 2) << "240.0 .. 241.8";
  EXPECT_EQ(pixel.height, 2);
  const platform::WindowRect beyond = fitted.Covering(-5, 595, 20, 20);
  EXPECT_EQ(beyond.x, 0);
  EXPECT_EQ(beyond.y, 1071);
  EXPECT_EQ(beyond.height, 9) << "cut at the window's bottom";
  EXPECT_EQ(fitted.Covering(2000, 0, 5, 5).width, 0);
}

// Without a display SDL falls back to drivers that show nothing; the game names what is
// missing instead, unless the player chose the driver.
TEST(NoDisplay, TheGameNamesTheDisplayItCannotOpen) {
  using platform::RefusedVideoDriver;
  EXPECT_EQ(RefusedVideoDriver("x11", false, ":0", nullptr), std::nullopt);
  EXPECT_EQ(RefusedVideoDriver("wayland", false, nullptr, "wayland-0"), std::nullopt);
  EXPECT_EQ(RefusedVideoDriver("offscreen", true, nullptr, nullptr), std::nullopt) << "chosen with SDL_VIDEODRIVER";
  const struct {
    const char *driver, *display, *wayland, *says;
  } refused[] = {
      {"offscreen", nullptr, nullptr, "neither DISPLAY nor WAYLAND_DISPLAY is set"},
      {"dummy", "", "", "neither DISPLAY nor WAYLAND_DISPLAY is set"},
      {"offscreen", ":99", nullptr, "cannot open the display DISPLAY=:99"},
      {"dummy", nullptr, "wayland-1", "cannot open the display WAYLAND_DISPLAY=wayland-1"},
  };
  for (const auto& line : refused) {
    const std::optional<std::string> said = RefusedVideoDriver(line.driver, false, line.display, line.wayland);
    ASSERT_TRUE(said.has_value()) << line.says;
    EXPECT_NE(said->find(line.says), std::string::npos) << *said;
  }
}
