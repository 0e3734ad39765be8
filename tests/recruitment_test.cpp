#include <gtest/gtest.h>

#include <cstring>

#include "app/title_screen.h"
#include "support/fake_host.h"
#include "team/recruitment_screen.h"
#include "team/recruits.h"
#include "team/team_page.h"

namespace {

using core::Sound;
using testing_support::Game;

constexpr int kNextX = 750, kNextY = 25;
constexpr int kCancelX = 750, kCancelY = 575;
constexpr int kSmallNextX = 760, kSmallNextY = 260;
constexpr int kRecruitX = 450, kRecruitY = 575;

class Recruitment : public ::testing::Test {
 protected:
  void SetUp() override {
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    game.ShowOnly(screen());
  }

  team::TForm12& screen() { return game.program.Form12(); }
  career::CareerRecord& career() { return game.program.Career; }
  int Requests(Sound sound) { return game.program.Sounds.PlayRequests(sound); }

  Game game;
};

TEST_F(Recruitment, HiringWithExactlyThePriceOverwritesTheSlotButKeepsItsOccupation) {
  screen().RecruitIndex = 2;  // Echelon
  game.program.Shared.SelectedPlayer = 5;
  career().Cash = team::kRecruitPrice;
  career().Occupation[5] = 17;
  career().TagsFor[5] = 9;
  career().FlagHangs[5] = 2;
  career().HasFlag[5] = 1;
  career().InPlay[5] = 0;
  career().Paint[5] = 3;
  const int clicks = Requests(Sound::Click);

  game.Press(kRecruitX, kRecruitY);

  EXPECT_EQ(career().Cash, 0);
  EXPECT_EQ(career().RecruitHired[2], 1);
  EXPECT_EQ(career().PlayerName[5].Get(), "ECHELON");
  EXPECT_EQ(career().Portrait[5], -1);
  EXPECT_EQ(career().Speed[5], 16);
  EXPECT_EQ(career().Endurance[5], 20);
  EXPECT_EQ(career().Accuracy[5], 12);
  EXPECT_EQ(career().Agility[5], 14);
  EXPECT_EQ(career().GearLevel[5], 3);
  EXPECT_EQ(career().Paint[5], 100);
  EXPECT_EQ(career().InPlay[5], 1);
  EXPECT_EQ(career().TagsFor[5], 0);
  EXPECT_EQ(career().FlagHangs[5], 0);
  EXPECT_EQ(career().HasFlag[5], 0);
  EXPECT_EQ(career().Occupation[5], 17);
  EXPECT_EQ(Requests(Sound::Click), clicks + 1);
  EXPECT_EQ(Requests(Sound::CashRegister), 1);
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_TRUE(game.program.Form4().Timer1.Enabled);
  EXPECT_FALSE(screen().Visible());
}

TEST_F(Recruitment, MenRecruitsBringTheMaleMaskAndTheirNameInCapitals) {
  screen().RecruitIndex = 10;
  career().Cash = 2 * team::kRecruitPrice;
  game.Press(kRecruitX, kRecruitY);
  const int slot = game.program.Shared.SelectedPlayer;
  EXPECT_EQ(career().PlayerName[slot].Get(), "BARRON");
  EXPECT_EQ(career().Portrait[slot], 21);
  EXPECT_EQ(career().GearLevel[slot], 2);
}

TEST_F(Recruitment, TooLittleCashOrARecruitAlreadyHiredIsRefusedSilently) {
  screen().RecruitIndex = 1;
  career().Cash = team::kRecruitPrice - 1;
  const career::CareerRecord before = career();
  const int clicks = Requests(Sound::Click);
  game.Press(kRecruitX, kRecruitY);
  EXPECT_EQ(std::memcmp(&before, &career(), sizeof before), 0);
  EXPECT_TRUE(screen().Visible());

  career().Cash = 3 * team::kRecruitPrice;
  career().RecruitHired[1] = 1;
  game.Press(kRecruitX, kRecruitY);
  EXPECT_EQ(career().Cash, 3 * team::kRecruitPrice);
  EXPECT_TRUE(screen().Visible());
  EXPECT_EQ(Requests(Sound::Click), clicks);
  EXPECT_EQ(Requests(Sound::CashRegister), 0);
}

TEST_F(Recruitment, NextWrapsAroundAndRestartsThePhotoWhileReopeningKeepsBoth) {
  screen().RecruitIndex = 10;
  for (int tick = 0; tick < 70; ++tick) game.Tick();
  EXPECT_EQ(screen().RevealRow, 600);
  game.Press(kNextX, kNextY);
  EXPECT_EQ(screen().RecruitIndex, 1);
  EXPECT_EQ(screen().RevealRow, 0);

  for (int tick = 0; tick < 70; ++tick) game.Tick();
  game.Press(kCancelX, kCancelY);
  EXPECT_TRUE(game.program.Form4().Visible());
  game.ShowOnly(screen());
  EXPECT_EQ(screen().RecruitIndex, 1);
  EXPECT_EQ(screen().RevealRow, 600);
}

TEST_F(Recruitment, TheSmallNextButtonCyclesTheSlotToReplace) {
  game.program.Shared.SelectedPlayer = 6;
  game.Press(kSmallNextX, kSmallNextY);
  EXPECT_EQ(game.program.Shared.SelectedPlayer, 7);
  game.Press(kSmallNextX, kSmallNextY);
  EXPECT_EQ(game.program.Shared.SelectedPlayer, 1);
  game.Press(738, kSmallNextY);
  EXPECT_EQ(game.program.Shared.SelectedPlayer, 1);
}

TEST_F(Recruitment, ThePhotoIsUncoveredTenRowsATickBehindAGreenEdge) {
  Game pictured(true);
  pictured.program.Form1().TitleChoice = 1;
  pictured.Tick();
  team::TForm12& shown = pictured.program.Form12();
  pictured.ShowOnly(shown);
  shown.RevealRow = 0;
  pictured.Tick();
  pictured.Tick();
  const gfx::Picture& frame = *shown.LastFrame();
  EXPECT_EQ(shown.RevealRow, 20);
  EXPECT_EQ(frame.ColorAt(150, 10), gfx::colors::Green);
  EXPECT_EQ(frame.ColorAt(150, 11), gfx::colors::White);
  EXPECT_EQ(frame.ColorAt(299, 599), gfx::colors::White);
  bool photo_above_the_edge = false;
  for (int x = 0; x < 300; ++x) photo_above_the_edge |= frame.ColorAt(x, 5) != gfx::colors::White;
  EXPECT_TRUE(photo_above_the_edge);
}

TEST_F(Recruitment, AnUnavailableRecruitShowsTheWordAndNoRecruitButton) {
  Game pictured(true);
  pictured.program.Form1().TitleChoice = 1;
  pictured.Tick();
  team::TForm12& shown = pictured.program.Form12();
  pictured.ShowOnly(shown);
  auto count_colour = [&](int left, int top, int right, int bottom, auto test) {
    const gfx::Picture& frame = *shown.LastFrame();
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) count += test(frame.ColorAt(x, y));
    }
    return count;
  };
  auto red = [](gfx::Color c) { return c.r > 200 && c.g < 80 && c.b < 80; };
  auto not_white = [](gfx::Color c) { return !(c == gfx::colors::White); };
  pictured.Tick();
  EXPECT_EQ(count_colour(500, 0, 690, 30, red), 0);
  EXPECT_GT(count_colour(400, 550, 500, 600, not_white), 500);

  pictured.program.Career.RecruitHired[shown.RecruitIndex] = 1;
  pictured.Tick();
  EXPECT_GT(count_colour(500, 0, 690, 30, red), 50);
  EXPECT_EQ(count_colour(400, 550, 500, 600, not_white), 0);
}

}  // namespace
