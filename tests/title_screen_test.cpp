#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "app/new_career.h"
#include "app/options_screen.h"
#include "app/title_screen.h"
#include "match/match_screen.h"
#include "support/fake_host.h"
#include "team/team_page.h"

using core::MouseButton;
using core::Sound;
using testing_support::Game;

namespace {

constexpr int kButtonX = 500;
constexpr int kNewGameY = 200;
constexpr int kContinueY = 280;

app::TForm1& Title(Game& game) { return game.program.Form1(); }
int Clicks(Game& game) { return game.program.Sounds.PlayRequests(Sound::Click); }

void ReachMenu(Game& game) {
  game.Click(10, 10);
  game.Click(10, 10);
}

std::vector<std::uint8_t> BytesOf(const career::CareerRecord& record) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  return {bytes, bytes + sizeof record};
}

// A saved career that no fresh team could be mistaken for.
career::CareerRecord SavedCareer() {
  career::CareerRecord saved = career::EmptyCareerRecord();
  saved.Challenge = 3;
  saved.HomeCountry = 5;
  saved.Cash = 98765;
  saved.TourStage = 12;
  saved.Wins = 17;
  for (int k = 1; k <= 8; ++k) {
    saved.PlayerName[k].Set("SAVED" + std::to_string(k));
    saved.Speed[k] = 19;
    saved.Portrait[k] = 21;
    saved.GearLevel[k] = 5;
  }
  return saved;
}

void ExpectFreshTeam(const career::CareerRecord& career, int lowest_attribute, int highest_attribute) {
  const std::set<std::string> names = [] {
    std::set<std::string> all;
    for (int n = 1; n <= app::kPlayerNameCount; ++n) all.insert(std::string(app::PlayerNameNumbered(n)));
    return all;
  }();
  for (int k = 1; k <= 8; ++k) {
    SCOPED_TRACE("slot " + std::to_string(k));
    EXPECT_TRUE(names.count(career.PlayerName[k].Get()));
    for (const int attribute : {career.Speed[k], career.Endurance[k], career.Agility[k], career.Accuracy[k]}) {
      EXPECT_GE(attribute, lowest_attribute);
      EXPECT_LE(attribute, highest_attribute);
    }
    EXPECT_EQ(career.Paint[k], 100);
    EXPECT_GE(career.GearLevel[k], 1);
    EXPECT_LE(career.GearLevel[k], 2);
    EXPECT_GE(career.Occupation[k], 1);
    EXPECT_LE(career.Occupation[k], 30);
    EXPECT_EQ(career.Portrait[k], 0);
    EXPECT_EQ(career.InPlay[k], 1);
    EXPECT_EQ(career.ShotCount[k] + career.ShotTimer[k] + career.SpareStat[k] + career.HasFlag[k], 0);
  }
  EXPECT_EQ(career.Challenge, 2);
  EXPECT_EQ(career.TechLevel, 2);
  EXPECT_EQ(career.WeatherAllowed, 2);
  EXPECT_EQ(career.HomeCountry, 14);
  EXPECT_EQ(career.Cash, 1000);
  EXPECT_EQ(career.TourStage, 1);
  EXPECT_EQ(career.MatchOfStage, 1);
  EXPECT_EQ(career.MusicOn, 1);
  EXPECT_EQ(career.MatchPending, 0);
}

}  // namespace

TEST(TitleScreen, LeftClicksLeadThroughTheCreditsToTheMenuAndNoFurther) {
  Game game;
  EXPECT_EQ(Title(game).TitleState, 1);
  game.Click(10, 10, MouseButton::Right);
  game.Click(10, 10, MouseButton::Middle);
  EXPECT_EQ(Title(game).TitleState, 1);
  game.Click(10, 10);
  EXPECT_EQ(Title(game).TitleState, 2);
  game.Click(10, 10);
  game.Click(10, 10);
  EXPECT_EQ(Title(game).TitleState, 3);
  EXPECT_EQ(Clicks(game), 3);
  EXPECT_EQ(Title(game).TitleChoice, 0);
}

TEST(TitleScreen, MenuButtonsTakeAnyButtonWithinTheirExclusiveBounds) {
  Game game;
  Title(game).Image5MouseDown(MouseButton::Left, kButtonX, kNewGameY);
  EXPECT_EQ(Title(game).TitleChoice, 0) << "the buttons exist only on the menu";
  ReachMenu(game);

  for (const int y : {161, 231, 240, 250, 318}) {
    const int before = Clicks(game);
    Title(game).Image5MouseDown(MouseButton::Left, kButtonX, y);
    EXPECT_EQ(Title(game).TitleChoice, 0) << y;
    EXPECT_EQ(Clicks(game), before + 1) << "the whole column clicks, y " << y;
  }
  for (const int x : {405, 686, 300}) {
    const int before = Clicks(game);
    Title(game).Image5MouseDown(MouseButton::Left, x, kNewGameY);
    EXPECT_EQ(Title(game).TitleChoice, 0) << x;
    EXPECT_EQ(Clicks(game), before) << "outside the column there is no sound, x " << x;
  }

  Title(game).Image5MouseDown(MouseButton::Right, 406, 162);
  EXPECT_EQ(Title(game).TitleChoice, 1);
  Title(game).Image5MouseDown(MouseButton::Middle, 685, 317);
  EXPECT_EQ(Title(game).TitleChoice, 2);
}

TEST(TitleScreen, ALeftClickOnAButtonClicksTwiceAndTheNextTickCarriesTheChoiceOut) {
  Game game;
  ReachMenu(game);
  const int before = Clicks(game);
  game.Click(kButtonX, kNewGameY);
  EXPECT_EQ(Clicks(game), before + 2);
  EXPECT_EQ(Title(game).TitleState, 3);
  EXPECT_TRUE(Title(game).Visible());
  game.Tick();
  EXPECT_EQ(Title(game).TitleChoice, 0);
  EXPECT_FALSE(Title(game).Visible());
  EXPECT_FALSE(Title(game).Timer1.Enabled);
  EXPECT_TRUE(game.program.Form3().Visible());
  EXPECT_TRUE(game.program.Form3().Timer1.Enabled);
  EXPECT_TRUE(game.program.Sounds.IsPlaying(Sound::Victory)) << "the title music plays on into the options";
}

TEST(TitleScreen, EveryTickAsksForTheMusicAndWritesTheVersion) {
  Game game;
  game.Tick();
  game.Tick();
  EXPECT_EQ(game.program.Sounds.PlayRequests(Sound::Victory), 2);
  ASSERT_TRUE(Title(game).LastFrame());
  const gfx::Picture& frame = *Title(game).LastFrame();
  int dark = 0;
  for (int y = 580; y < 600; ++y)
    for (int x = 350; x < 480; ++x) dark += frame.ColorAt(x, y).r < 128;
  EXPECT_GT(dark, 30) << "the version text";
  for (int x = 0; x < 345; ++x) EXPECT_EQ(frame.ColorAt(x, 588), gfx::colors::White) << x;
}

TEST(TitleScreen, TheClosingStateHasABorderAndClicksThereOnlyClick) {
  Game game;
  ReachMenu(game);
  game.ShowOnly(game.program.Form4());
  game.program.Form4().Hide();
  game.Wait(50);
  EXPECT_EQ(Title(game).TitleState, 4);
  game.Tick();
  EXPECT_TRUE(Title(game).Bordered);
  EXPECT_TRUE(game.host.bordered);

  const int before = Clicks(game);
  game.Click(kButtonX, kNewGameY);
  game.Click(kButtonX, kContinueY, MouseButton::Right);
  EXPECT_EQ(Clicks(game), before + 1) << "only the left click's release";
  EXPECT_EQ(Title(game).TitleState, 4);
  EXPECT_EQ(Title(game).TitleChoice, 0);
}

TEST(NewCareer, FillsEverySlotWithAFreshTeamAndClearsTheMatch) {
  Game game;
  career::CareerRecord& career = game.program.Career;
  career.Reserved = 4242;
  career.RecruitHired[3] = 1;
  game.program.Match.Paintballs[200] = {{5, 6}, 3, {1, 1}, 1};
  game.program.Match.PointerPos = {7, 8};
  game.program.Shared.HoverItem = 4;
  game.program.Shared.ResultClickLock = 1;
  Title(game).TitleChoice = 1;
  game.Tick();

  ExpectFreshTeam(career, 10, 10);
  EXPECT_EQ(career.Reserved, 4242);
  for (const int hired : career.RecruitHired) EXPECT_EQ(hired, 0);
  for (const match::Paintball& paintball : game.program.Match.Paintballs) {
    EXPECT_EQ(paintball.Active, 0);
    EXPECT_EQ(paintball.Owner, 0);
    EXPECT_EQ(paintball.Pos, career::FieldPoint{});
    EXPECT_EQ(paintball.Vel, career::FieldPoint{});
  }
  const match::MatchState& match = game.program.Match;
  for (int i = 1; i <= match::kParticleCount; ++i) {
    EXPECT_TRUE(match.ParticleX[i] >= 1 && match.ParticleX[i] <= 800);
    EXPECT_TRUE(match.ParticleY[i] >= 41 && match.ParticleY[i] <= 440);
    EXPECT_TRUE(match.ParticleSpeed[i] >= 4 && match.ParticleSpeed[i] <= 8);
  }
  for (int k = 1; k <= 7; ++k) EXPECT_TRUE(match.OppShotTimer[k] >= 0 && match.OppShotTimer[k] <= 4);
  EXPECT_EQ(match.PointerPos, career::FieldPoint{});
  EXPECT_EQ(game.program.Shared.HoverItem, 0);
  EXPECT_EQ(game.program.Shared.ResultClickLock, 0);
}

TEST(NewCareer, DrawsNameOpponentTimerMarkerAndOccupationPerSlotThenTheParticles) {
  Game game;
  // Slot 1: name, opponent's shot timer, marker, occupation; slots 2..7 the same; slot 8
  // has no opponent. Then each particle's x, y and speed.
  game.program.Rng.Script({133, 4, 1, 29, /* slot 2 */ 0, 0, 0, 0});
  for (int k = 3; k <= 7; ++k) game.program.Rng.Script({1, 1, 1, 1});
  game.program.Rng.Script({25, 0, 12, /* particle 1 */ 799, 399, 4, /* particle 2 */ 0, 0, 0});
  Title(game).TitleChoice = 1;
  game.Tick();

  const career::CareerRecord& career = game.program.Career;
  EXPECT_EQ(career.PlayerName[1].Get(), "MICK");
  EXPECT_EQ(game.program.Match.OppShotTimer[1], 4);
  EXPECT_EQ(career.GearLevel[1], 2);
  EXPECT_EQ(career.Occupation[1], 30);
  EXPECT_EQ(career.PlayerName[2].Get(), "AARON");
  EXPECT_EQ(career.GearLevel[2], 1);
  EXPECT_EQ(career.Occupation[2], 1);
  EXPECT_EQ(career.PlayerName[8].Get(), "ZIM");
  EXPECT_EQ(career.GearLevel[8], 1);
  EXPECT_EQ(career.Occupation[8], 13);
  const match::MatchState& match = game.program.Match;
  EXPECT_EQ(match.ParticleX[1], 800);
  EXPECT_EQ(match.ParticleY[1], 440);
  EXPECT_EQ(match.ParticleSpeed[1], 8);
  EXPECT_EQ(match.ParticleX[2], 1);
  EXPECT_EQ(match.ParticleY[2], 41);
  EXPECT_EQ(match.ParticleSpeed[2], 4);
}

TEST(NewCareer, ASecondCareerInTheSameRunKeepsWinsLossesAndTheStatistics) {
  Game game;
  Title(game).TitleChoice = 1;
  game.Tick();
  career::CareerRecord& career = game.program.Career;
  career.Wins = 9;
  career.Losses = 4;
  for (int k = 1; k <= 8; ++k) {
    career.TagsFor[k] = k;
    career.TagsAgainst[k] = 10 + k;
    career.FlagPulls[k] = 20 + k;
    career.FlagHangs[k] = 30 + k;
    career.Sprint[k] = 1;
  }
  career.Cash = 123;
  career.Speed[2] = 20;

  game.ShowOnly(Title(game));
  Title(game).TitleChoice = 1;
  game.Tick();
  EXPECT_EQ(career.Wins, 9);
  EXPECT_EQ(career.Losses, 4);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(career.TagsFor[k], k);
    EXPECT_EQ(career.TagsAgainst[k], 10 + k);
    EXPECT_EQ(career.FlagPulls[k], 20 + k);
    EXPECT_EQ(career.FlagHangs[k], 30 + k);
    EXPECT_EQ(career.Sprint[k], 1);
  }
  EXPECT_EQ(career.Cash, 1000);
  EXPECT_EQ(career.Speed[2], 10);
}

TEST(ContinueCareer, OpensTheTeamPageStopsTheMusicAndLoadsTheSavedCareer) {
  Game game;
  const career::CareerRecord saved = SavedCareer();
  game.host.files.files["datarecord.dat"] = BytesOf(saved);
  game.Tick();
  ASSERT_TRUE(game.program.Sounds.IsPlaying(Sound::Victory));
  ReachMenu(game);
  game.Click(kButtonX, kContinueY);
  game.Tick();

  EXPECT_TRUE(game.host.errors.empty());
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_TRUE(game.program.Form4().Timer1.Enabled);
  EXPECT_FALSE(Title(game).Visible());
  EXPECT_FALSE(game.program.Sounds.IsPlaying(Sound::Victory));
  EXPECT_EQ(BytesOf(game.program.Career), BytesOf(saved));
  EXPECT_EQ(game.program.Match.PointerPos, career::FieldPoint{});
}

TEST(ContinueCareer, DrawsEachAttributeFromTenToThirteenInTheirOrder) {
  Game game;
  game.program.Rng.Script({5, 1, /* speed .. accuracy */ 0, 1, 2, 3, /* marker */ 1, /* occupation */ 2});
  Title(game).TitleChoice = 2;
  game.Tick();
  const career::CareerRecord& career = game.program.Career;
  EXPECT_EQ(career.PlayerName[1].Get(), "FRANK");
  EXPECT_EQ(game.program.Match.OppShotTimer[1], 1);
  EXPECT_EQ(career.Speed[1], 10);
  EXPECT_EQ(career.Endurance[1], 11);
  EXPECT_EQ(career.Agility[1], 12);
  EXPECT_EQ(career.Accuracy[1], 13);
  EXPECT_EQ(career.GearLevel[1], 2);
  EXPECT_EQ(career.Occupation[1], 3);
}

TEST(ContinueCareer, AMissingOrShortFileReportsItsErrorAndLeavesTheFreshTeamOnTheTeamPage) {
  for (const bool short_file : {false, true}) {
    SCOPED_TRACE(short_file ? "short file" : "no file");
    Game game;
    if (short_file) {
      std::vector<std::uint8_t> bytes = BytesOf(SavedCareer());
      bytes.resize(600);
      game.host.files.files["datarecord.dat"] = bytes;
    }
    Title(game).TitleChoice = 2;
    game.Tick();

    ASSERT_EQ(game.host.errors.size(), 1u);
    EXPECT_EQ(game.host.errors[0], short_file ? "Read beyond end of file." : "File not found.");
    EXPECT_EQ(game.host.error_captions[0], "Team Page");
    EXPECT_TRUE(game.program.Form4().Visible());
    EXPECT_FALSE(Title(game).Visible());
    EXPECT_EQ(Title(game).TitleChoice, 0);
    ExpectFreshTeam(game.program.Career, 10, 13);
  }
}

// A career Continue could not read is never saved over: the next save first keeps it aside,
// each under a name of its own. One that was read, or was not there, leaves nothing aside.
TEST(ContinueCareer, AFileThatCouldNotBeReadIsKeptAsideBeforeTheNextSave) {
  Game game;
  auto& files = game.host.files.files;
  const auto continue_then_save = [&] {
    Title(game).TitleChoice = 2;
    game.Tick();
    game.program.SaveCareer();
    game.ShowOnly(Title(game));
  };
  std::vector<std::uint8_t> short_file = BytesOf(SavedCareer());
  short_file.resize(600);
  for (const char* kept : {"datarecord.dat.unreadable", "datarecord.dat.unreadable.2"}) {
    files["datarecord.dat"] = short_file;
    continue_then_save();
    EXPECT_EQ(files[kept], short_file);
    EXPECT_EQ(game.program.CareerFileState().KeptAs(), kept);
    EXPECT_EQ(files["datarecord.dat"], BytesOf(game.program.Career));
  }
  files.erase("datarecord.dat");
  continue_then_save();
  continue_then_save();  // the career saved just now is read
  EXPECT_EQ(game.host.errors, (std::vector<std::string>{"Read beyond end of file.", "Read beyond end of file.", "File not found."}));
  EXPECT_EQ(files.size(), core::kSoundCount + 3u) << "nothing more was kept aside";
}
