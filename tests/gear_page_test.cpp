#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "team/gear_page.h"
#include "team/team_page.h"

namespace {

using testing_support::Game;

TEST(GearPage, OnlyTheNextButtonLeavesAndItsEdgesDoNot) {
  Game game;
  team::TForm6& page = game.program.Form6();
  game.ShowOnly(page);
  for (const auto& [x, y] : {std::pair{350, 570}, {450, 570}, {400, 550}, {400, 300}}) {
    game.Press(x, y);
    EXPECT_TRUE(page.Visible()) << x << ", " << y;
  }
  EXPECT_EQ(game.program.Sounds.PlayRequests(core::Sound::Click), 0);
  game.Press(351, 551, core::MouseButton::Right);
  EXPECT_FALSE(page.Visible());
  EXPECT_FALSE(page.Timer1.Enabled);
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_TRUE(game.program.Form4().Timer1.Enabled);
  EXPECT_EQ(game.program.Sounds.PlayRequests(core::Sound::Click), 1);
}

TEST(GearPage, ShowsTheSameCatalogueWhateverTheTeamCarries) {
  Game game(true);
  team::TForm6& page = game.program.Form6();
  game.ShowOnly(page);
  game.Tick();
  const gfx::Picture empty_career = *page.LastFrame();
  for (int slot = 1; slot <= 8; ++slot) game.program.Career.GearLevel[slot] = 6;
  game.program.Career.TechLevel = 1;
  game.program.Career.Cash = 99999;
  game.Tick();
  EXPECT_EQ(page.LastFrame()->Pixels(), empty_career.Pixels());
}

TEST(GearPage, EachModelHasItsPictureAndTextInItsCell) {
  Game game(true);
  team::TForm6& page = game.program.Form6();
  game.ShowOnly(page);
  game.Tick();
  const gfx::Picture& frame = *page.LastFrame();
  auto inked = [&](int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) count += frame.ColorAt(x, y) != gfx::colors::White;
    }
    return count;
  };
  for (const int left : {0, 400}) {
    for (const int top : {50, 210, 370}) {
      EXPECT_GT(inked(left + 1, top + 1, left + 199, top + 149), 1000) << left << ", " << top;  // the marker
      EXPECT_GT(inked(left + 201, top + 30, left + 399, top + 128), 300) << left << ", " << top;  // five lines
    }
  }
  EXPECT_EQ(frame.ColorAt(400, 300), gfx::colors::Black);
  EXPECT_EQ(frame.ColorAt(600, 210), gfx::colors::Black);
  EXPECT_EQ(frame.ColorAt(799, 400), gfx::colors::Black);
}

}  // namespace
