#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>

#include "app/title_screen.h"
#include "career/io_error.h"
#include "help/help_screen.h"
#include "support/fake_host.h"
#include "team/gear_page.h"
#include "team/recruitment_screen.h"
#include "team/team_menu.h"
#include "team/team_page.h"
#include "tour/next_match_screen.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"
#include "tour/world_screen.h"
#include "training/training_menu.h"

namespace {

using core::Sound;
using testing_support::Game;

constexpr int kMenuY = 25;
// A point inside each item's click region.
constexpr int kTrainX = 575, kUpgradeX = 625, kPaintX = 675, kMusicX = 725, kNextMatchX = 770;
constexpr int kRecruitX = 425, kExitX = 375, kHelpX = 325, kWorldX = 475, kGearX = 525;

// A new career with the default options, on the team page.
class TeamPage : public ::testing::Test {
 protected:
  void SetUp() override {
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    game.Press(400, 560);  // the options screen's NEXT pays the start bonus
    game.ShowOnly(page());
    for (const Sound sound : {Sound::Click, Sound::CashRegister}) before_[static_cast<int>(sound)] = game.program.Sounds.PlayRequests(sound);
  }

  team::TForm4& page() { return game.program.Form4(); }
  career::CareerRecord& career() { return game.program.Career; }
  int selected() const { return game.program.Shared.SelectedPlayer; }
  // Requests since the team page opened.
  int Requests(Sound sound) { return game.program.Sounds.PlayRequests(sound) - before_[static_cast<int>(sound)]; }
  void PressMenu(int x) { game.Press(x, kMenuY); }

  Game game;

 private:
  int before_[core::kSoundCount] = {};
};

TEST_F(TeamPage, TrainingIsAllowedWithExactlyItsPriceAndRefusedBelow) {
  career().Cash = team::kTrainingPrice - 1;
  PressMenu(kTrainX);
  EXPECT_EQ(career().Cash, team::kTrainingPrice - 1);
  EXPECT_TRUE(page().Visible());
  EXPECT_EQ(Requests(Sound::Click), 1);

  career().Cash = team::kTrainingPrice;
  PressMenu(kTrainX);
  EXPECT_EQ(career().Cash, 0);
  EXPECT_FALSE(page().Visible());
  EXPECT_FALSE(page().Timer1.Enabled);
  EXPECT_TRUE(game.program.Form16().Visible());
  EXPECT_TRUE(game.program.Form16().Timer1.Enabled);
}

TEST_F(TeamPage, UpgradesStopAtTheTechnologyCeilingAndNeedTheFullPrice) {
  const int slot = selected();
  career().GearLevel[slot] = 5;
  career().Cash = 3 * team::kUpgradePrice;
  PressMenu(kUpgradeX);
  EXPECT_EQ(career().GearLevel[slot], 6);
  EXPECT_EQ(career().Cash, 2 * team::kUpgradePrice);
  EXPECT_EQ(Requests(Sound::CashRegister), 1);
  PressMenu(kUpgradeX);
  EXPECT_EQ(career().GearLevel[slot], 6);
  EXPECT_EQ(career().Cash, 2 * team::kUpgradePrice);
  EXPECT_EQ(Requests(Sound::CashRegister), 1);
  EXPECT_EQ(Requests(Sound::Click), 2);

  career().TechLevel = 1;
  career().GearLevel[slot] = 1;
  PressMenu(kUpgradeX);
  PressMenu(kUpgradeX);
  EXPECT_EQ(career().GearLevel[slot], 2);
  EXPECT_EQ(career().Cash, team::kUpgradePrice);

  career().GearLevel[slot] = 0;  // a marker broken in a match
  career().Cash = team::kUpgradePrice - 1;
  PressMenu(kUpgradeX);
  EXPECT_EQ(career().GearLevel[slot], 0);
  career().Cash = team::kUpgradePrice;
  PressMenu(kUpgradeX);
  EXPECT_EQ(career().GearLevel[slot], 1);
  EXPECT_EQ(career().Cash, 0);
}

TEST_F(TeamPage, PaintIsSoldWhileBelowTheLimitSoItCanEndAboveIt) {
  const int slot = selected();
  career().Paint[slot] = 195;
  career().Cash = 1000;
  PressMenu(kPaintX);
  EXPECT_EQ(career().Paint[slot], 205);
  EXPECT_EQ(career().Cash, 1000 - team::kPaintPrice);
  PressMenu(kPaintX);
  EXPECT_EQ(career().Paint[slot], 205);
  EXPECT_EQ(career().Cash, 1000 - team::kPaintPrice);
  EXPECT_EQ(Requests(Sound::CashRegister), 1);

  career().Paint[slot] = 100;
  career().Cash = team::kPaintPrice - 1;
  PressMenu(kPaintX);
  EXPECT_EQ(career().Paint[slot], 100);
}

TEST_F(TeamPage, TickCutsMarkersUnderLowTechAndAttributesToTwenty) {
  career().TechLevel = 1;
  career().GearLevel[3] = 5;
  career().GearLevel[8] = 5;  // the line-up's scratch slot is not part of the team
  career().Speed[1] = 25;
  career().Endurance[4] = 21;
  career().Agility[7] = 30;
  career().Accuracy[2] = 20;
  game.Tick();
  EXPECT_EQ(career().GearLevel[3], 2);
  EXPECT_EQ(career().GearLevel[8], 5);
  EXPECT_EQ(career().Speed[1], 20);
  EXPECT_EQ(career().Endurance[4], 20);
  EXPECT_EQ(career().Agility[7], 20);
  EXPECT_EQ(career().Accuracy[2], 20);

  career().TechLevel = 2;
  career().GearLevel[3] = 5;
  game.Tick();
  EXPECT_EQ(career().GearLevel[3], 5);
}

TEST_F(TeamPage, TheTourPassesOverTheHomeCountryOneStepPerTick) {
  career().HomeCountry = 5;
  career().TourStage = 5;
  game.Tick();
  EXPECT_EQ(career().TourStage, 6);
  game.Tick();
  EXPECT_EQ(career().TourStage, 6);
}

TEST_F(TeamPage, SkippingTheLastCountryAsHomeFinishesTheTourAndTheVictoryFollows) {
  career().HomeCountry = 20;
  career().TourStage = 20;
  game.Tick();
  EXPECT_EQ(career().TourStage, 21);
  EXPECT_TRUE(page().Visible());
  game.Tick();
  EXPECT_FALSE(page().Visible());
  EXPECT_FALSE(page().Timer1.Enabled);
  EXPECT_TRUE(game.program.Form11().Visible());
  EXPECT_TRUE(game.program.Form11().Timer1.Enabled);
  EXPECT_TRUE(game.program.Sounds.IsPlaying(Sound::Victory));
  EXPECT_FALSE(game.program.Sounds.IsPlaying(Sound::Drummers));
}

TEST_F(TeamPage, TickStopsTheJinglesAndKeepsTheMusicByItsSwitch) {
  game.program.Sounds.Play(Sound::Defeat);
  game.Tick();
  EXPECT_FALSE(game.program.Sounds.IsPlaying(Sound::Defeat));
  EXPECT_TRUE(game.program.Sounds.IsPlaying(Sound::Drummers));

  PressMenu(kMusicX);
  EXPECT_EQ(career().MusicOn, 0);
  game.Tick();
  EXPECT_FALSE(game.program.Sounds.IsPlaying(Sound::Drummers));
  const std::size_t stopped_at = game.program.Sounds.Position(Sound::Drummers);
  EXPECT_GT(stopped_at, 0u);

  PressMenu(kMusicX);
  EXPECT_EQ(career().MusicOn, 1);
  EXPECT_EQ(game.program.Sounds.Position(Sound::Drummers), stopped_at);
  game.Tick();
  EXPECT_TRUE(game.program.Sounds.IsPlaying(Sound::Drummers));
}

TEST_F(TeamPage, TheMusicSwitchOfADamagedSaveTurnsOverWithoutOverflowing) {
  const career::int32 lowest = std::numeric_limits<career::int32>::min();
  for (const auto& [saved, toggled] : {std::pair{lowest, 2147483647}, {lowest + 1, 2147483647}, {2147483647, lowest + 2}, {-5, 6}}) {
    career().MusicOn = saved;
    PressMenu(kMusicX);
    EXPECT_EQ(career().MusicOn, toggled) << "saved " << saved;
  }
}

TEST_F(TeamPage, HoverRegionsDifferFromClickRegionsAtTheirEdges) {
  game.Move(399, kMenuY);
  EXPECT_EQ(game.program.Shared.HoverItem, 9);  // "Exit Game"
  PressMenu(399);
  EXPECT_TRUE(page().Visible());

  game.Move(749, kMenuY);
  EXPECT_EQ(game.program.Shared.HoverItem, 0);
  const int cash = career().Cash;
  PressMenu(749);
  EXPECT_TRUE(page().Visible());
  EXPECT_EQ(career().Cash, cash);

  game.Move(450, 1);
  EXPECT_EQ(game.program.Shared.HoverItem, 1);
  game.Move(450, 50);
  EXPECT_EQ(game.program.Shared.HoverItem, 0);
  game.Move(799, 49);
  EXPECT_EQ(game.program.Shared.HoverItem, 0);  // beyond the input picture: the pointer is not seen
  game.Move(792, 49);
  EXPECT_EQ(game.program.Shared.HoverItem, 7);
}

TEST_F(TeamPage, ColumnsBeyondTheInputPictureReachNothing) {
  game.Press(793, kMenuY);
  game.Press(799, kMenuY);
  EXPECT_TRUE(page().Visible());
  EXPECT_EQ(Requests(Sound::Click), 0);
  game.Press(792, kMenuY);
  EXPECT_FALSE(page().Visible());
}

TEST_F(TeamPage, RowsSelectPlayersAndTheirBoundariesSelectNobody) {
  game.Press(100, 106, core::MouseButton::Right);
  EXPECT_EQ(selected(), 2);
  game.Press(100, 130);
  EXPECT_EQ(selected(), 2);
  game.Press(449, 254);
  EXPECT_EQ(selected(), 7);
  game.Press(450, 90);
  EXPECT_EQ(selected(), 7);
  EXPECT_EQ(Requests(Sound::Click), 3);  // every press in the table's column clicks
}

TEST_F(TeamPage, MenuItemsOpenTheirScreens) {
  struct Case {
    int x;
    core::Screen& (*screen)(app::Program&);
  };
  const Case cases[] = {
      {kWorldX, [](app::Program& p) -> core::Screen& { return p.Form5(); }},
      {kGearX, [](app::Program& p) -> core::Screen& { return p.Form6(); }},
      {kRecruitX, [](app::Program& p) -> core::Screen& { return p.Form12(); }},
      {kHelpX, [](app::Program& p) -> core::Screen& { return p.Form13(); }},
  };
  for (const Case& item : cases) {
    game.ShowOnly(page());
    PressMenu(item.x);
    core::Screen& opened = item.screen(game.program);
    EXPECT_TRUE(opened.Visible()) << opened.Caption();
    EXPECT_TRUE(opened.Timer1.Enabled) << opened.Caption();
    EXPECT_FALSE(page().Visible());
    EXPECT_FALSE(page().Timer1.Enabled);
  }
}

TEST_F(TeamPage, ExitGameLeavesTheCareerToTheWatchdogWithoutSaving) {
  PressMenu(kExitX);
  EXPECT_FALSE(page().Visible());
  game.Wait(50);
  EXPECT_TRUE(game.program.Form1().Visible());
  EXPECT_EQ(game.program.Form1().TitleState, 4);
  EXPECT_EQ(game.host.files.files.count("datarecord.dat"), 0u);
}

int IntAt(const std::vector<std::uint8_t>& bytes, std::size_t index) {
  std::int32_t value = 0;
  std::memcpy(&value, bytes.data() + 4 * index, 4);
  return value;
}

TEST_F(TeamPage, NextMatchOfANewCareerTravelsAndSavesTheCareer) {
  game.program.Form10().PlaneX = 123;
  game.program.Form10().TravelBand = 456;
  game.program.Sounds.Play(Sound::CashRegister);
  PressMenu(kNextMatchX);
  EXPECT_TRUE(game.program.Form10().Visible());
  EXPECT_TRUE(game.program.Form10().Timer1.Enabled);
  EXPECT_EQ(game.program.Form10().PlaneX, -500);
  EXPECT_EQ(game.program.Form10().TravelBand, 0);
  EXPECT_FALSE(page().Visible());
  EXPECT_FALSE(game.program.Sounds.IsPlaying(Sound::CashRegister));

  const std::vector<std::uint8_t>& saved = game.host.files.files.at("datarecord.dat");
  ASSERT_EQ(saved.size(), career::kCareerRecordSize);
  const int reserved = IntAt(saved, 2);
  EXPECT_EQ(reserved, game.program.Career.Reserved);
  const int expected[] = {2, 2, reserved, 14, 3500, 0, 2, 1, 1};
  for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(IntAt(saved, i), expected[i]) << "integer " << i;
}

TEST_F(TeamPage, NextMatchWithAMatchPendingGoesStraightToTheLineUp) {
  career().MatchPending = 1;
  PressMenu(kNextMatchX);
  EXPECT_TRUE(game.program.Form7().Visible());
  EXPECT_TRUE(game.program.Form7().Timer1.Enabled);
  EXPECT_FALSE(game.program.Form10().Visible());
}

TEST_F(TeamPage, AFailedSaveIsReportedOverTheNextScreenAndKeepsTheOldFile) {
  const std::vector<std::uint8_t> old_file(career::kCareerRecordSize, 7);
  game.host.files.files["datarecord.dat"] = old_file;
  game.host.files.fail_write = career::io_codes::kDiskFull;
  game.host.files.write_before_failing = 100;
  PressMenu(kNextMatchX);
  EXPECT_TRUE(game.program.Form10().Visible());
  ASSERT_EQ(game.host.errors.size(), 1u);
  EXPECT_EQ(game.host.errors[0], "Disk full.");
  EXPECT_EQ(game.host.files.files["datarecord.dat"], old_file);
}

TEST(TeamPageSave, AContinuedCareerSavedAgainComesBackByteForByte) {
  std::vector<std::uint8_t> first_save;
  {
    Game game;
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    game.ShowOnly(game.program.Form4());
    game.program.Career.Reserved = 0x5EED;
    game.program.Career.PlayerName[3].Set("ZIM");  // leaves older characters behind the name
    game.program.Career.MatchPending = 1;
    game.Tick();
    game.Press(kNextMatchX, kMenuY);
    first_save = game.host.files.files.at("datarecord.dat");
  }
  Game game;
  game.host.files.files["datarecord.dat"] = first_save;
  game.program.Form1().TitleChoice = 2;
  game.Tick();
  ASSERT_TRUE(game.program.Form4().Visible());
  game.Tick();
  game.Press(kNextMatchX, kMenuY);
  EXPECT_TRUE(game.host.errors.empty());
  EXPECT_EQ(game.host.files.files.at("datarecord.dat"), first_save);
}

TEST_F(TeamPage, HoverTextStandsOnPaleGreenAndGoesWhenThePointerLeaves) {
  Game pictured(true);
  pictured.program.Form1().TitleChoice = 1;
  pictured.Tick();
  pictured.ShowOnly(pictured.program.Form4());
  const gfx::Color pale_green{192, 220, 192};
  auto hover_background = [&] {
    const gfx::Picture& frame = *pictured.program.Form4().LastFrame();
    int count = 0;
    for (int x = 450; x < 520; ++x) count += frame.ColorAt(x, 56) == pale_green;
    return count;
  };
  pictured.Move(475, kMenuY);
  pictured.Tick();
  EXPECT_GT(hover_background(), 20);
  pictured.Move(475, 200);
  pictured.Tick();
  EXPECT_EQ(hover_background(), 0);
}

TEST_F(TeamPage, TheSelectedPlayerIsWrittenInRed) {
  game.program.Shared.SelectedPlayer = 3;
  game.Tick();
  const gfx::Picture& frame = *page().LastFrame();
  auto red_in_row = [&](int slot) {
    int count = 0;
    for (int y = 25 * slot + 55; y < 25 * slot + 75; ++y) {
      for (int x = 200; x < 440; ++x) count += frame.ColorAt(x, y).r > 200 && frame.ColorAt(x, y).g < 80;
    }
    return count;
  };
  EXPECT_GT(red_in_row(3), 20);
  EXPECT_EQ(red_in_row(2), 0);
  EXPECT_EQ(red_in_row(4), 0);
}

// A damaged save file whose home and tour stage are the same number beyond the countries:
// it is not counted on past the largest number, and such a tour is finished.
TEST_F(TeamPage, AStageBeyondTheCountriesIsNotPassedOverAsHome) {
  constexpr career::int32 kLargest = std::numeric_limits<career::int32>::max();
  career().HomeCountry = career().TourStage = kLargest;
  game.Tick();
  EXPECT_EQ(career().TourStage, kLargest);
  EXPECT_TRUE(game.program.Form11().Visible());
}

// A tour stage of 21 or more is a finished tour, on the tick and on a "Next Match" pressed
// before it; the press then opens no travel, plays no click and saves nothing.
TEST_F(TeamPage, AnyStageFromTwentyOneOnOpensTheVictoryOnTheTickOrOnNextMatch) {
  for (const career::int32 stage : {21, 22, std::numeric_limits<career::int32>::max()}) {
    for (const bool pressed : {false, true}) {
      SCOPED_TRACE(std::to_string(stage) + (pressed ? " pressed" : " ticked"));
      game.ShowOnly(page());
      career().TourStage = stage;
      game.host.files.files.erase("datarecord.dat");
      const int clicks = Requests(Sound::Click);
      pressed ? PressMenu(kNextMatchX) : game.Tick();
      EXPECT_TRUE(game.program.Form11().Visible());
      EXPECT_FALSE(game.program.Form10().Visible());
      EXPECT_EQ(Requests(Sound::Click), clicks);
      EXPECT_EQ(game.host.files.files.count("datarecord.dat"), 0u);
    }
  }
}

// A save of nothing but zeros: home and stage 0, so the tour goes on at stage 1, Australia.
TEST(TeamPageOfAZeroFilledSave, GoesOnAtAustralia) {
  Game game;
  game.host.files.files["datarecord.dat"].assign(career::kCareerRecordSize, 0);
  game.program.Form1().TitleChoice = 2;
  game.Tick();
  game.Tick();
  ASSERT_TRUE(game.program.Form4().Visible());
  EXPECT_EQ(game.program.Career.TourStage, 1);
  game.Press(kNextMatchX, kMenuY);
  EXPECT_TRUE(game.program.Form10().Visible());
  EXPECT_EQ(game.program.Career.TourStage, 1);
}

}  // namespace
