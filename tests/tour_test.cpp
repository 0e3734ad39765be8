#include <gtest/gtest.h>

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

using shell::Sound;
using testing_support::Game;

constexpr int kMenuY = 25, kNextMatchX = 770;

// From the title screen's New Game through the options and team building to the team page.
void StartNewCareer(Game& game) {
  shell::Program& program = game.program;
  program.Form1().TitleChoice = 1;
  game.Tick();
  ASSERT_TRUE(program.Form3().Visible());
  game.Press(400, 560);
  ASSERT_TRUE(program.Form2().Visible());
  game.Press(600, 570);
  ASSERT_TRUE(program.Form4().Visible());
}

struct PlayedMatch {
  int country;
  bool travelled;  // "Next Match" went through the travel screen
};

// One match from the team page back to it. The line-up and the match itself are played on
// screens of their own; here the line-up's PLAY is taken as pressed and the match as won.
PlayedMatch PlayAWonMatch(Game& game) {
  shell::Program& program = game.program;
  game.Press(kNextMatchX, kMenuY);
  const PlayedMatch played{program.Career.TourStage, program.Form10().Visible()};
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
  StartNewCareer(game);
  ASSERT_EQ(program.Career.HomeCountry, 14);

  std::vector<PlayedMatch> played;
  for (int guard = 0; guard < 50; ++guard) {
    game.Tick();
    if (!program.Form4().Visible()) break;
    played.push_back(PlayAWonMatch(game));
    ASSERT_TRUE(program.Form4().Visible()) << "match " << played.size();
  }

  std::vector<PlayedMatch> expected;
  for (int country = 1; country <= 20; ++country) {
    if (country == 14) continue;
    expected.push_back({country, true});
    expected.push_back({country, false});
  }
  ASSERT_EQ(played.size(), expected.size());
  for (std::size_t match = 0; match < expected.size(); ++match) {
    EXPECT_EQ(played[match].country, expected[match].country) << "match " << match + 1;
    EXPECT_EQ(played[match].travelled, expected[match].travelled) << "match " << match + 1;
  }
  EXPECT_EQ(program.Career.Wins, 38);
  EXPECT_EQ(program.Career.Losses, 0);
  EXPECT_EQ(program.Career.TourStage, 21);

  tour::TForm11& victory = program.Form11();
  EXPECT_TRUE(victory.Visible());
  EXPECT_TRUE(program.Sounds.IsPlaying(Sound::Victory));
  game.Tick();
  game.Press(400, 300);
  EXPECT_FALSE(victory.Visible());
  EXPECT_FALSE(program.Sounds.IsPlaying(Sound::Victory));
  game.Wait(50);
  EXPECT_TRUE(program.Form1().Visible());
  EXPECT_EQ(program.Form1().TitleState, 4);
  game.Tick();
  EXPECT_TRUE(game.host.bordered);

  // The career saved after the last match already holds the finished tour.
  Game later;
  later.host.files.files[career::kSaveFileName] = game.host.files.files.at(career::kSaveFileName);
  later.program.Form1().TitleChoice = 2;
  later.Tick();
  ASSERT_TRUE(later.program.Form4().Visible());
  later.Tick();
  EXPECT_TRUE(later.program.Form11().Visible());
  EXPECT_EQ(later.program.Career.Wins, 38);
}

}  // namespace
