#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/options_screen.h"
#include "app/title_screen.h"
#include "career/save_file.h"
#include "support/match_end.h"
#include "team/team_building_screen.h"
#include "team/team_page.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"

namespace {

using testing_support::Game;

// The country of the match and whether "Next Match" went through the travel screen. The
// line-up and the match are screens of their own: here PLAY is taken as pressed and the
// match as won.
std::pair<int, bool> PressNextMatch(Game& game) {
  game.Press(770, 25);
  return {game.program.Career.TourStage, game.program.Form10().Visible()};
}

void WinAndLeaveTheResult(Game& game) {
  app::Program& program = game.program;
  program.Career.MatchPending = 1;
  testing_support::LeaveMatch(program, testing_support::kWonMatch);
  testing_support::ShowResult(program);
  for (int tick = 0; tick < 20; ++tick) game.Tick();
  game.Press(400, 300);
}

std::pair<int, bool> PlayAWonMatch(Game& game) {
  const std::pair<int, bool> played = PressNextMatch(game);
  WinAndLeaveTheResult(game);
  return played;
}

void StartNewCareer(Game& game) {
  game.program.Form1().TitleChoice = 1;
  game.Tick();
  game.Press(400, 560);  // the options' NEXT
  game.Press(600, 570);  // the team is complete
}

// Both matches of every country but home, in order, each through the travel screen first.
std::vector<std::pair<int, bool>> WholeTour(int home) {
  std::vector<std::pair<int, bool>> tour;
  for (int country = 1; country <= 20; ++country) {
    if (country != home) tour.insert(tour.end(), {{country, true}, {country, false}});
  }
  return tour;
}

TEST(Tour, ThirtyEightWonMatchesFromANewCareerEndInTheVictoryAndTheTitlesClosingState) {
  Game game;
  app::Program& program = game.program;
  StartNewCareer(game);
  ASSERT_TRUE(program.Form4().Visible());

  std::vector<std::pair<int, bool>> played;
  for (game.Tick(); program.Form4().Visible() && played.size() < 50; game.Tick()) played.push_back(PlayAWonMatch(game));
  EXPECT_EQ(played, WholeTour(program.Career.HomeCountry));
  EXPECT_EQ(program.Career.Wins, 38);
  EXPECT_TRUE(program.Form11().Visible());
  EXPECT_TRUE(program.Sounds.IsPlaying(core::Sound::Victory));

  game.Press(400, 300);
  EXPECT_FALSE(program.Sounds.IsPlaying(core::Sound::Victory));
  game.Wait(50);
  EXPECT_TRUE(program.Form1().Visible());
  EXPECT_EQ(program.Form1().TitleState, 4);

  // The career saved after the last match holds the finished tour.
  Game later;
  later.host.files.files[career::kSaveFileName] = game.host.files.files.at(career::kSaveFileName);
  later.program.Form1().TitleChoice = 2;
  later.Tick();
  later.Tick();
  EXPECT_TRUE(later.program.Form11().Visible());
}

// A double click on the result sheet: "Next Match" reaches the team page before its first
// tick, after the country before home and after the last country.
TEST(Tour, NextMatchPressedBeforeTheTeamPagesFirstTickStillPassesOverHomeAndEndsTheTour) {
  Game game;
  app::Program& program = game.program;
  StartNewCareer(game);
  game.Tick();
  std::vector<std::pair<int, bool>> played;
  for (auto next = PressNextMatch(game); !program.Form11().Visible() && played.size() < 50; next = PressNextMatch(game)) {
    played.push_back(next);
    WinAndLeaveTheResult(game);
  }
  EXPECT_EQ(played, WholeTour(program.Career.HomeCountry));
  EXPECT_TRUE(program.Form11().Visible());
  EXPECT_FALSE(program.Form4().Visible());
  EXPECT_EQ(program.Career.TourStage, 21);
  EXPECT_EQ(program.Career.Wins, 38);
}

}  // namespace
