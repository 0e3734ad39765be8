#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/options_screen.h"
#include "app/title_screen.h"
#include "support/fake_host.h"
#include "support/frame_region.h"
#include "tour/next_match_screen.h"
#include "world/country_pictures.h"

namespace {

using testing_support::IsBlank;
using testing_support::Region;
using testing_support::ShowsPicture;

// The line-up of a new career; every value of slot k is k.
struct LineupGame : testing_support::Game {
  explicit LineupGame(bool with_pictures = false) : Game(with_pictures) {
    program.Form1().TitleChoice = 1;
    Tick();
    ShowOnly(program.Form7());
    for (int slot = 1; slot <= 8; ++slot) {
      career::CareerRecord& c = program.Career;
      c.PlayerName[slot].Set(std::to_string(slot));
      for (auto* field : {&c.Portrait, &c.Speed, &c.Endurance, &c.Agility, &c.Accuracy, &c.Paint, &c.GearLevel,
                          &c.SpareStat, &c.Occupation, &c.TagsFor, &c.TagsAgainst, &c.FlagPulls, &c.FlagHangs})
        (*field)[slot] = slot;
      program.Form7().LineupPose[slot] = slot;
    }
  }
  // What SWAP moves, then the career statistics that stay with the slot.
  std::vector<int> Slot(int k) {
    const career::CareerRecord& c = program.Career;
    return {std::stoi(c.PlayerName[k].Get()), c.Portrait[k], c.Speed[k], c.Endurance[k], c.Agility[k], c.Accuracy[k],
            c.Paint[k], c.GearLevel[k], c.SpareStat[k], c.Occupation[k], program.Form7().LineupPose[k],
            c.TagsFor[k], c.TagsAgainst[k], c.FlagPulls[k], c.FlagHangs[k]};
  }
  std::vector<int> Player(int moved, int kept) {
    std::vector<int> values(15, moved);
    std::fill(values.begin() + 11, values.end(), kept);
    return values;
  }
};

TEST(NextMatchScreen, SwapMovesThePlayerAndLeavesTheCareerStatisticsWithTheSlot) {
  LineupGame game;
  for (const auto& [x, y] : {std::pair{200, 410}, std::pair{150, 402}, std::pair{150, 427}, std::pair{700, 410}}) game.Press(x, y);
  EXPECT_EQ(game.program.Sounds.PlayRequests(core::Sound::Click), 0);
  game.Press(150, 410);
  EXPECT_EQ(game.Slot(1), game.Player(2, 1));
  EXPECT_EQ(game.Slot(2), game.Player(1, 2));
  EXPECT_EQ(game.Slot(8), game.Player(1, 8));
  game.Press(150, 410);
  for (int slot = 1; slot <= 7; ++slot) EXPECT_EQ(game.Slot(slot), game.Player(slot, slot));
  EXPECT_EQ(game.Slot(8), game.Player(2, 8));
  game.Press(650, 426);
  EXPECT_EQ(game.Slot(7), game.Player(6, 7));
  EXPECT_EQ(game.program.Sounds.PlayRequests(core::Sound::Click), 3);
}

TEST(NextMatchScreen, EachSlotRollsForAPoseChangeAndDrawsTheNewPoseAbove90) {
  LineupGame game;
  const int before[] = {0, 3, 7, 2, -1, 4, 2}, after[] = {4, 3, 2, 2, 3, 4, 1};
  for (int slot = 1; slot <= 7; ++slot) game.program.Form7().LineupPose[slot] = before[slot - 1];
  game.program.Rng.Script({91, 3, 90, 99, 1, 0, 95, 2, 50, 91, 0, 777});
  game.program.Form7().Timer1Timer();
  for (int slot = 1; slot <= 7; ++slot) EXPECT_EQ(game.program.Form7().LineupPose[slot], after[slot - 1]) << slot;
  EXPECT_EQ(game.program.Rng(1000), 777);
}

// Column 3's pictures, the flags and the surface that the stage sets, each where its value puts it
// or nowhere (a stage outside the tour leaves the program's first surface, grass).
TEST(NextMatchScreen, PicturesStandWhereTheirValuesSayAndValuesOutsideTheirTablesDrawNothing) {
  struct Case { int home, stage, flag_x, surface_image, portrait, figure_image, portrait_image, gear, gear_image; };
  for (const Case c : {Case{14, 11, 350, 43, 5, 35, 18, 3, 6}, Case{14, 12, 300, 3, -1, 35, 45, 7, 0},
                       Case{3, 13, 300, 2, 0, 39, 13, 0, 0}, Case{20, 1, 350, 2, 15, 39, 28, 6, 9},
                       Case{21, 21, 0, 2, 21, 39, 45, 1, 4}, Case{-3, 0, 0, 2, 99, 39, 0, -2, 0},
                       Case{0, 21, 0, 2, -7, 35, 0, 3, 6}}) {
    LineupGame game(true);
    career::CareerRecord& career = game.program.Career;
    std::tie(career.HomeCountry, career.TourStage, career.Portrait[3], career.GearLevel[3]) = std::tie(c.home, c.stage, c.portrait, c.gear);
    game.program.Form7().LineupPose[3] = 2;
    game.program.Rng.Script({0, 0, 0, 0, 0, 0, 0});
    game.program.Form7().Timer1Timer();
    const gfx::Picture& frame = *game.program.Form7().LastFrame();
    const auto flag = [&](int country) { return game.program.Picture(3, world::CountryFlagImage(country)); };
    const auto own = [&](int image) { return game.program.Picture(7, image); };
    const Region home{50, 430, 250, 600}, stage{c.flag_x, 430, c.flag_x + 200, 600}, surface{600, 450, 707, 557};
    EXPECT_TRUE(flag(c.home) ? ShowsPicture(frame, flag(c.home), 50, 400, home) : IsBlank(frame, home)) << c.home;
    EXPECT_TRUE(c.flag_x ? ShowsPicture(frame, flag(c.stage), c.flag_x, 400, stage) : IsBlank(frame, {350, 430, 550, 490})) << c.stage;
    EXPECT_TRUE(c.surface_image ? ShowsPicture(frame, own(c.surface_image), 600, 450, surface) : IsBlank(frame, surface));
    EXPECT_TRUE(ShowsPicture(frame, own(c.figure_image), 250, 50, {251, 50, 346, 246})) << c.portrait;
    EXPECT_TRUE(c.portrait_image ? ShowsPicture(frame, own(c.portrait_image), 289, 246, {289, 246, 350, 292})
                                 : ShowsPicture(frame, own(c.figure_image), 250, 50, {289, 246, 346, 290}));
    EXPECT_TRUE(c.gear_image ? ShowsPicture(frame, own(c.gear_image), 250, 290, {251, 293, 350, 361})
                             : IsBlank(frame, {251, 306, 350, 361})) << c.gear;
  }
}

}  // namespace
