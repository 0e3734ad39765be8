#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "career/save_file.h"
#include "match_end.h"
#include "shell/options_screen.h"
#include "shell/title_screen.h"
#include "team/team_building_screen.h"
#include "team/team_page.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"

namespace {

using testing_support::Game;

// The country of the match and whether "Next Match" went through the travel screen. The
// line-up and the match are screens of their own: here PLAY is taken as pressed and the
// match as won.
std::pair<int, bool> PlayAWonMatch(Game& game) {
  shell::Program& program = game.program;
  game.Press(770, 25);
  const std::pair<int, bool> played{program.Career.TourStage, program.Form10().Visible()};
  program.Career.MatchPending = 1;
  testing_support::LeaveMatch(program, testing_support::kWonMatch);
  testing_support::ShowResult(program);
  for (int tick = 0; tick < 20; ++tick) game.Tick();
  game.Press(400, 300);
  return played;
}

TEST(Tour, ThirtyEightWonMatchesFromANewCareerEndInTheVictoryAndTheTitlesClosingState) {
  Game game;
  shell::Program& program = game.program;
  program.Form1().TitleChoice = 1;
  game.Tick();
  game.Press(400, 560);  // the options' NEXT
  game.Press(600, 570);  // the team is complete
  ASSERT_TRUE(program.Form4().Visible());

  std::vector<std::pair<int, bool>> played, expected;
  for (game.Tick(); program.Form4().Visible() && played.size() < 50; game.Tick()) played.push_back(PlayAWonMatch(game));
  for (int country = 1; country <= 20; ++country) {
    if (country == program.Career.HomeCountry) continue;
    expected.insert(expected.end(), {{country, true}, {country, false}});
  }
  EXPECT_EQ(played, expected);
  EXPECT_EQ(program.Career.Wins, 38);
  EXPECT_TRUE(program.Form11().Visible());
  EXPECT_TRUE(program.Sounds.IsPlaying(shell::Sound::Victory));

  game.Press(400, 300);
  EXPECT_FALSE(program.Sounds.IsPlaying(shell::Sound::Victory));
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

}  // namespace
