#include <gtest/gtest.h>

#include "app/options_screen.h"
#include "support/fake_host.h"
#include "support/frame_region.h"
#include "tour/next_match_screen.h"
#include "tour/travel_screen.h"
#include "world/country_pictures.h"

namespace {

using testing_support::Game;
using testing_support::IsBlank;
using testing_support::ShowsPicture;

TEST(TravelScreen, TheAirlinerAndTheBandMoveOnUntilTheyRest) {
  struct Case { int plane, band, plane_after, band_after; };
  Game game;
  tour::TForm10& travel = game.program.Form10();
  for (const Case c : {Case{-500, 0, -496, 2}, Case{796, 798, 800, 800}, Case{798, 799, 800, 801}, Case{800, 801, 800, 801}}) {
    travel.PlaneX = c.plane;
    travel.TravelBand = c.band;
    travel.Timer1Timer();
    EXPECT_EQ(std::pair(travel.PlaneX, travel.TravelBand), std::pair(c.plane_after, c.band_after)) << c.band;
  }
}

TEST(TravelScreen, AnyPressAtAnyTimeGoesOnToTheLineUpAndTheMatchStaysToBePlayed) {
  struct Case { int ticks, x, y; core::MouseButton button; };
  for (const Case c : {Case{0, 0, 0, core::MouseButton::Right}, Case{3, 800, 592, core::MouseButton::Middle}}) {
    Game game;
    game.ShowOnly(game.program.Form10());
    for (int tick = 0; tick < c.ticks; ++tick) game.Tick();
    game.Press(c.x, c.y, c.button);
    EXPECT_TRUE(game.program.Form7().Visible() && game.program.Form7().Timer1.Enabled) << c.x;
    EXPECT_FALSE(game.program.Form10().Visible() || game.program.Form10().Timer1.Enabled);
    EXPECT_EQ(game.program.Career.MatchPending, 0);
  }
}

TEST(TravelScreen, TheBandEndsWhereTheFlightHasGotAndCountriesOutsideTheTourDrawNothing) {
  Game game(true);
  game.program.Career.HomeCountry = 14;
  game.program.Career.TourStage = 21;
  game.program.Form10().TravelBand = 98;
  game.program.Form10().Timer1Timer();
  const gfx::Picture& frame = *game.program.Form10().LastFrame();
  EXPECT_EQ(frame.ColorAt(99, 319), gfx::colors::Red);
  EXPECT_EQ(frame.ColorAt(100, 319), gfx::colors::White);
  EXPECT_TRUE(ShowsPicture(frame, game.program.Picture(3, world::CountryFlagImage(14)), 0, 321, {0, 345, 200, 521}));
  EXPECT_TRUE(IsBlank(frame, {600, 345, 800, 600}));
  EXPECT_TRUE(IsBlank(frame, {590, 323, 600, 340}));  // the names begin at 800 - 2 x 100
}

}  // namespace
