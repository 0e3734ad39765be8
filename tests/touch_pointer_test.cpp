#include <gtest/gtest.h>

#include <string>

#include "app/title_screen.h"
#include "help/help_screen.h"
#include "platform/touch_pointer.h"
#include "support/fake_host.h"
#include "team/team_page.h"
#include "tour/next_match_screen.h"
#include "training/speed_training.h"
#include "training/training_menu.h"

namespace {

using career::FieldPoint;
using core::MouseButton;
using testing_support::Game;

// A finger on a game: the clock moves as the page's frames move it, and after each frame a
// waiting press may go in.
class Touch : public ::testing::Test {
 protected:
  Touch() : touch(game.program, game.host) {}

  void Wait(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
      game.Wait(10);
      touch.AfterTimers(game.host.now);
    }
  }
  gfx::Point At(int x, int y) const { return {game.WindowX(x), game.WindowY(y)}; }
  void Tap(int x, int y) {
    touch.FingerDown(1, At(x, y));
    touch.FingerUp(1, game.host.now);
  }
  void NewCareerOn(core::Screen& screen) {
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    game.ShowOnly(screen);
  }

  Game game;
  platform::TouchPointer touch;
};

// The path judged is the one to where the finger landed, never the last place a mouse rested.
TEST_F(Touch, ATapOnTheFieldOrdersAlongThePathToWhereItLanded) {
  NewCareerOn(game.program.Form7());
  game.Press(765, 500);  // PLAY: the match stands paused, player 4 selected
  for (FieldPoint& bunker : game.program.Match.Bunkers) bunker = {-600, -300};
  game.program.Match.Bunkers[1] = {200, 182};
  const FieldPoint start = game.program.Career.PlayerTarget[4];

  touch.FingerDown(1, At(400, 100));
  Wait(200);
  touch.FingerCancel(1);
  Tap(400, 200);  // behind the bunker
  EXPECT_TRUE(touch.PressWaiting());
  Wait(100);
  EXPECT_FALSE(touch.PressWaiting());
  EXPECT_EQ(game.program.Career.PlayerTarget[4], start);

  Tap(400, 100);  // clear, after a pointer that was refused
  Wait(100);
  EXPECT_EQ(game.program.Career.PlayerTarget[4], (FieldPoint{400, 60}));
}

TEST_F(Touch, AHeldFingerShowsThePriceLiftedItBuysDrawnAwayItDoesNot) {
  NewCareerOn(game.program.Form4());
  game.program.Career.Cash = 3500;
  touch.FingerDown(1, At(625, 25));
  Wait(300);
  EXPECT_EQ(game.program.Shared.HoverItem, 4);
  EXPECT_EQ(game.program.Career.Cash, 3500);
  touch.FingerMove(1, At(625, 200));
  touch.FingerUp(1, game.host.now);
  Wait(300);
  EXPECT_EQ(game.program.Career.Cash, 3500);

  touch.FingerDown(2, At(625, 25));
  Wait(300);
  touch.FingerMove(2, At(627, 27));  // a finger's tremble is not a drag
  touch.FingerUp(2, game.host.now);
  Wait(100);
  EXPECT_EQ(game.program.Career.Cash, 3500 - 750);
}

TEST_F(Touch, TwoPadsHeldTogetherAtThePointersPlaceCountEveryAlternateRelease) {
  game.program.Shared.SelectedPlayer = 3;
  game.ShowOnly(game.program.Form16());
  game.Press(600, 200);  // the speed game
  ASSERT_TRUE(game.program.Form17().Visible());
  const auto both = [&](MouseButton first, MouseButton second) {
    touch.PadDown(first);
    touch.PadDown(second);
    touch.PadUp(first);
    touch.PadUp(second);
  };
  both(MouseButton::Left, MouseButton::Right);
  both(MouseButton::Left, MouseButton::Right);
  EXPECT_EQ(game.program.Training.Speed.RunSpeed, 16);
  touch.PadDown(MouseButton::Right);
  touch.PadUp(MouseButton::Right);
  EXPECT_EQ(game.program.Training.Speed.RunSpeed, 16);
}

TEST_F(Touch, ASwipeScrollsTheHelpTextAndPressesNothing) {
  std::string long_text;
  for (int line = 0; line < 200; ++line) long_text += "line " + std::to_string(line) + "\n";
  for (const help::Topic& topic : help::kTopics) game.host.files.files[std::string(topic.file)] = {long_text.begin(), long_text.end()};
  help::TForm13& help = game.program.Form13();
  game.ShowOnly(help);
  game.program.MouseDown(20, 80, MouseButton::Left);
  game.program.MouseUp(20, 80, MouseButton::Left);

  touch.FingerDown(1, {400, 400});
  for (int y = 390; y >= 240; y -= 10) touch.FingerMove(1, {400, y});
  touch.FingerUp(1, game.host.now);
  Wait(300);
  const int scrolled = help.Memo1.TopRow();
  EXPECT_GE(scrolled, 8);
  EXPECT_EQ(help.Memo1.Caret(), (gfx::TextPosition{0, 0}));

  touch.FingerDown(1, {400, 240});
  for (int y = 250; y <= 400; y += 10) touch.FingerMove(1, {400, y});
  touch.FingerUp(1, game.host.now);
  EXPECT_EQ(help.Memo1.TopRow(), 0);

  // Drawn down the titles, a finger scrolls nothing.
  touch.FingerDown(1, {20, 80});
  touch.FingerMove(1, {20, 200});
  touch.FingerUp(1, game.host.now);
  EXPECT_EQ(help.Memo1.TopRow(), 0);
}

}  // namespace
