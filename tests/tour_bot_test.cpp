#include <gtest/gtest.h>

#include "match/match_screen.h"
#include "match/sight.h"
#include "support/fake_host.h"
#include "team/team_page.h"
#include "tour/result_screen.h"
#include "tour_bot/bot_field_map.h"
#include "tour_bot/tour_bot.h"

namespace {

using testing_support::Game;
using tour_bot::MatchOutcome;
using tour_bot::TourBot;

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

namespace {

using career::FieldPoint;
using tour_bot::FieldMap;

// One bunker in the middle of the field, the others far off it, and one opponent to its right.
match::MatchState OneBunkerField() {
  match::MatchState match;
  for (FieldPoint& bunker : match.Bunkers) bunker = {-600.0, -300.0};
  match.Bunkers[1] = {400.0, 200.0};
  match.OppInPlay[1] = 1;
  match.OppPos[1] = {600.0, 200.0};
  return match;
}

TEST(TourBot, SurveyCountsTheOpponentsThatSeeACellAndTheBunkerHidesWhatLiesBehindIt) {
  const match::MatchState match = OneBunkerField();
  FieldMap map;
  map.Survey(match);
  EXPECT_EQ(map.Exposure(FieldPoint{350.0, 200.0}), 0);  // behind the bunker
  EXPECT_EQ(map.Exposure(FieldPoint{350.0, 100.0}), 1);
  EXPECT_FALSE(map.Walkable(FieldMap::Index({400.0, 200.0})));
  EXPECT_DOUBLE_EQ(map.NearestSeer(FieldMap::Index({610.0, 110.0})), career::Distance({600.0, 200.0}, {610.0, 110.0}));
}

// A straight walk through the bunker would be refused; the waypoint goes round it and stays
// on the side the opponent cannot see as long as it can.
TEST(TourBot, WaypointGoesRoundTheBunkerOnAClearPath) {
  const match::MatchState match = OneBunkerField();
  FieldMap map;
  map.Survey(match);
  const FieldPoint from{300.0, 200.0}, goal{500.0, 200.0};
  ASSERT_FALSE(match::LineIsClear(match.Bunkers, from, goal));
  const FieldPoint waypoint = map.Waypoint(match, from, goal);
  EXPECT_TRUE(match::LineIsClear(match.Bunkers, from, waypoint));
  EXPECT_GT(career::Distance(from, waypoint), 20.0);
  EXPECT_LT(career::Distance(waypoint, goal), career::Distance(from, goal) + 20.0);
}

}  // namespace
