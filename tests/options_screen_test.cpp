#include <gtest/gtest.h>

#include <algorithm>

#include "app/options_screen.h"
#include "app/title_screen.h"
#include "support/fake_host.h"
#include "team/team_building_screen.h"
#include "world/country_pictures.h"

using core::Sound;
using testing_support::Game;

namespace {

// A new career on the options screen, as the title screen leaves it.
struct OptionsGame : Game {
  explicit OptionsGame(bool with_pictures = false) : Game(with_pictures) {
    program.Form1().TitleChoice = 1;
    Tick();
  }
  app::TForm3& Options() { return program.Form3(); }
  career::CareerRecord& Career() { return program.Career; }
  int Clicks() { return program.Sounds.PlayRequests(Sound::Click); }
  void PressNext() { Press(400, 570); }
};

constexpr int kChallengeX = 100, kWeatherX = 400, kTechX = 700, kOptionY = 350;

// Whether the frame shows the picture with its top-left corner at (left, top), down to the
// given number of rows (a later picture may cover the rest).
bool Shows(const gfx::Picture& frame, int left, int top, const gfx::Picture* picture, int rows = 9999) {
  if (!picture) return false;
  for (int y = 0; y < std::min(rows, picture->Height()); ++y)
    for (int x = 0; x < picture->Width(); ++x)
      if (frame.PixelAt(left + x, top + y) != picture->PixelAt(x, y)) return false;
  return true;
}

}  // namespace

TEST(OptionsScreen, LeavingPaysTheBonusOfTheChallenge) {
  const struct { int challenge_presses; int cash; } cases[] = {{0, 3500}, {2, 6000}, {1, 1000}};
  for (const auto& leave : cases) {
    OptionsGame game;
    for (int i = 0; i < leave.challenge_presses; ++i) game.Press(kChallengeX, kOptionY);
    game.PressNext();
    EXPECT_EQ(game.Career().Cash, leave.cash) << "challenge " << game.Career().Challenge;
  }
}

TEST(OptionsScreen, NextHandsOverToTeamBuildingWithAClick) {
  OptionsGame game;
  const int before = game.Clicks();
  game.PressNext();
  EXPECT_EQ(game.Clicks(), before + 1);
  EXPECT_FALSE(game.Options().Visible());
  EXPECT_FALSE(game.Options().Timer1.Enabled);
  EXPECT_TRUE(game.program.Form2().Visible());
  EXPECT_TRUE(game.program.Form2().Timer1.Enabled);
}

TEST(OptionsScreen, EachOptionTurnsRoundWithAClick) {
  OptionsGame game;
  const int before = game.Clicks();
  const int challenge[] = {3, 1, 2};
  for (const int expected : challenge) {
    game.Press(kChallengeX, kOptionY);
    EXPECT_EQ(game.Career().Challenge, expected);
  }
  for (const int expected : {1, 2}) {
    game.Press(kWeatherX, kOptionY);
    EXPECT_EQ(game.Career().WeatherAllowed, expected);
    game.Press(kTechX, kOptionY);
    EXPECT_EQ(game.Career().TechLevel, expected);
  }
  EXPECT_EQ(game.Clicks(), before + 7);
  EXPECT_TRUE(game.Options().Visible());
}

TEST(OptionsScreen, NinePressesOnTheFlagLeadFromNewZealandToBrazil) {
  OptionsGame game;
  ASSERT_EQ(game.Career().HomeCountry, 14);
  for (int i = 0; i < 6; ++i) game.Press(400, 150);
  EXPECT_EQ(game.Career().HomeCountry, 20);
  for (int i = 0; i < 3; ++i) game.Press(301, 249);
  EXPECT_EQ(game.Career().HomeCountry, 3);
}

TEST(OptionsScreen, PressesOnTheEdgesAndBetweenTheColumnsChangeNothing) {
  OptionsGame game;
  const career::CareerRecord before = game.Career();
  const int clicks = game.Clicks();
  const struct { int x, y; } misses[] = {{kChallengeX, 270}, {kChallengeX, 500}, {kWeatherX, 270}, {kTechX, 500},
                                         {250, kOptionY}, {200, kOptionY}, {300, kOptionY}, {500, kOptionY},
                                         {600, kOptionY}, {400, 50}, {500, 150}, {350, 570}, {400, 550}};
  for (const auto& miss : misses) game.Press(miss.x, miss.y);
  EXPECT_EQ(game.Clicks(), clicks);
  EXPECT_EQ(game.Career().Challenge, before.Challenge);
  EXPECT_EQ(game.Career().WeatherAllowed, before.WeatherAllowed);
  EXPECT_EQ(game.Career().TechLevel, before.TechLevel);
  EXPECT_EQ(game.Career().HomeCountry, before.HomeCountry);
  EXPECT_TRUE(game.Options().Visible());
}

TEST(OptionsScreen, DrawsTheHomeCountryAndTheChosenOptions) {
  OptionsGame game(true);
  game.Press(kChallengeX, kOptionY);  // hard
  game.Press(kWeatherX, kOptionY);    // no weather
  game.Press(400, 150);               // Poland
  game.Tick();
  ASSERT_TRUE(game.Options().LastFrame());
  const gfx::Picture& frame = *game.Options().LastFrame();
  const auto picture = [&](int image) { return game.program.Picture(3, image); };
  EXPECT_TRUE(Shows(frame, 180, 0, picture(11)));
  EXPECT_TRUE(Shows(frame, 300, 50, picture(world::CountryFlagImage(15)), 170)) << "the label covers its foot";
  EXPECT_TRUE(Shows(frame, 300, 220, picture(world::CountryLabelImage(15))));
  EXPECT_EQ(world::CountryFlagImage(15), 28);
  EXPECT_EQ(world::CountryLabelImage(15), 48);
  EXPECT_TRUE(Shows(frame, 0, 450, picture(8)));
  EXPECT_TRUE(Shows(frame, 300, 450, picture(10)));
  EXPECT_TRUE(Shows(frame, 600, 450, picture(9)));
  EXPECT_TRUE(Shows(frame, 350, 550, picture(13)));
  EXPECT_TRUE(Shows(frame, 0, 270, picture(3)));
  EXPECT_TRUE(Shows(frame, 300, 270, picture(6)));
  EXPECT_TRUE(Shows(frame, 600, 270, picture(5)));
}

TEST(OptionsScreen, ValuesOutOfRangeDrawNothingAndTurnToTheFirst) {
  OptionsGame game(true);
  game.Career().HomeCountry = 0;
  game.Career().Challenge = 9;
  game.Career().WeatherAllowed = 0;
  game.Tick();
  ASSERT_TRUE(game.Options().LastFrame());
  const gfx::Picture& frame = *game.Options().LastFrame();
  EXPECT_EQ(frame.ColorAt(400, 150), gfx::colors::White);
  EXPECT_EQ(frame.ColorAt(100, 350), gfx::colors::White);
  EXPECT_EQ(frame.ColorAt(400, 350), gfx::colors::White);
  game.Press(kChallengeX, kOptionY);
  game.Press(400, 150);
  game.Press(kWeatherX, kOptionY);
  EXPECT_EQ(game.Career().Challenge, 1);
  EXPECT_EQ(game.Career().HomeCountry, 1);
  EXPECT_EQ(game.Career().WeatherAllowed, 1);
}
