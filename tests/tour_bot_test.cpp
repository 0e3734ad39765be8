#include <gtest/gtest.h>

#include "match/match_screen.h"
#include "team/team_page.h"
#include "tour/result_screen.h"
#include "tour_bot.h"

namespace {

using testing_support::Game;
using testing_support::MatchOutcome;
using testing_support::TourBot;

// The first match of a new easy career, played only through the screens' input: the bot
// fetches the flag, carries it home and wins, and the tour moves on to the second match.
TEST(TourBot, WinsTheFirstMatchOfAnEasyCareerByHangingTheFlag) {
  Game game;
  TourBot bot(game);
  bot.StartEasyCareer();
  ASSERT_TRUE(game.program.Form4().Visible());
  EXPECT_EQ(game.program.Career.Challenge, 1);

  EXPECT_EQ(bot.PlayNextMatch(), MatchOutcome::Won);
  EXPECT_EQ(game.program.Match.FlagHung, 1);
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_EQ(game.program.Career.MatchOfStage, 2);
  int hangs = 0;
  for (int slot = 1; slot <= 7; ++slot) hangs += game.program.Career.FlagHangs[slot];
  EXPECT_EQ(hangs, 1);
}

}  // namespace
