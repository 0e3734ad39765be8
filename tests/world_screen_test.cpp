#include <gtest/gtest.h>

#include "app/title_screen.h"
#include "support/match_end.h"
#include "team/team_page.h"
#include "tour/world_screen.h"

namespace {

using testing_support::Game;
using testing_support::ShowsText;

class World : public ::testing::Test {
 protected:
  explicit World(bool with_pictures = false) : game(with_pictures) {
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    game.ShowOnly(game.program.Form4());
    game.Press(475, 25);  // "World Info"
  }
  tour::TForm5& world() { return game.program.Form5(); }
  gfx::Color MarkerColour(int row) { return world().LastFrame()->ColorAt(8, 20 * row + 39); }

  Game game;
};

TEST_F(World, RowsChooseTheirCountryEveryPressInTheListClicksAndNextKeepsTheChoice) {
  struct Case {
    int x, y, viewed, clicks;
  };
  const Case cases[] = {
      {50, 71, 2, 1},   {50, 70, 2, 1},  // the border of rows 1 and 2 chooses nothing
      {1, 69, 1, 1},    {50, 449, 20, 1}, {50, 450, 20, 1}, {149, 200, 8, 1}, {150, 230, 8, 0},
  };
  for (const Case& c : cases) {
    const int before = game.program.Sounds.PlayRequests(core::Sound::Click);
    game.Press(c.x, c.y);
    EXPECT_EQ(world().ViewedCountry, c.viewed) << c.x << "," << c.y;
    EXPECT_EQ(game.program.Sounds.PlayRequests(core::Sound::Click) - before, c.clicks) << c.x << "," << c.y;
  }
  game.Press(400, 551);
  EXPECT_TRUE(game.program.Form4().Visible());
  game.Press(475, 25);
  EXPECT_EQ(world().ViewedCountry, 8);
}

TEST_F(World, AViewedCountryCoversHomeAndHomeCoversTheStage) {
  career::CareerRecord& career = game.program.Career;
  struct Case {
    int stage, home, viewed;
    gfx::Color stage_row;
  };
  const Case cases[] = {
      {5, 5, 5, gfx::colors::Red}, {5, 5, 1, gfx::colors::Yellow}, {5, 3, 1, gfx::colors::Green},
      {21, -3, 1, gfx::colors::Silver},  // no country: no marker
  };
  for (const Case& c : cases) {
    career.TourStage = c.stage;
    career.HomeCountry = c.home;
    world().ViewedCountry = c.viewed;
    game.Tick();
    EXPECT_EQ(MarkerColour(std::min(c.stage, 20)), c.stage_row) << c.stage << c.home << c.viewed;
  }
}

TEST(WorldFacts, WalesIsSeenThroughTheUnitedKingdomAndCrossedOnTheMap) {
  Game game(true);
  game.program.Form5().ViewedCountry = 18;
  game.ShowOnly(game.program.Form5());
  game.Tick();
  const gfx::Picture& frame = *game.program.Form5().LastFrame();
  gfx::FontState font;
  font.Name = "Arial";
  font.Size = 18;
  EXPECT_TRUE(ShowsText(game.program, frame, font, 360, 350, "Population: (See United Kingdom)"));
  EXPECT_TRUE(ShowsText(game.program, frame, font, 360, 410, "Capital City: (See United Kingdom)"));
  EXPECT_TRUE(ShowsText(game.program, frame, font, 360, 440, "Play Surface: Grass"));
  // Wales lies at (198, 94) on the map.
  for (const int y : {52, 339}) EXPECT_EQ(frame.ColorAt(360 + 198, y), gfx::colors::Red);
  for (const int x : {362, 788}) EXPECT_EQ(frame.ColorAt(x, 50 + 94), gfx::colors::Red);
}

}  // namespace
