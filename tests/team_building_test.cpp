#include <gtest/gtest.h>

#include <string>

#include "app/options_screen.h"
#include "app/title_screen.h"
#include "support/fake_host.h"
#include "team/team_building_screen.h"
#include "team/team_page.h"

using core::Sound;
using testing_support::Game;

namespace {

// A new career on the team-building screen, as the options screen leaves it.
struct BuildingGame : Game {
  explicit BuildingGame(bool with_pictures = false) : Game(with_pictures) {
    program.Form1().TitleChoice = 1;
    Tick();
    Press(400, 570);  // the options screen's NEXT
    Tick();
  }
  team::TForm2& Building() { return program.Form2(); }
  career::CareerRecord& Career() { return program.Career; }
  int Selected() const { return program.Shared.SelectedPlayer; }
  int Clicks() { return program.Sounds.PlayRequests(Sound::Click); }
  std::string Name(int k) { return Career().PlayerName[k].Get(); }

  void Prev() { Press(480, 525); }
  void Next() { Press(700, 525); }
  void Change() { Press(70, 265); }
  void Ok() { Press(390, 370); }
  void Clear() { Press(390, 340); }
  void Space() { Press(240, 410); }
};

// Key centres of the on-screen keyboard.
constexpr int kRow1Y = 315, kRow2Y = 345, kRow3Y = 377;
constexpr int kQ = 115, kA = 129, kZ = 157;

// Whether the frame shows the picture with its top-left corner at (left, top), as far as the
// frame reaches.
bool Shows(const gfx::Picture& frame, int left, int top, const gfx::Picture* picture) {
  if (!picture) return false;
  for (int y = 0; y < picture->Height(); ++y)
    for (int x = 0; x < picture->Width(); ++x)
      if (frame.Contains(left + x, top + y) && frame.PixelAt(left + x, top + y) != picture->PixelAt(x, y)) return false;
  return true;
}

int PixelsOf(const gfx::Picture& frame, gfx::Color color, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += frame.ColorAt(x, y) == color;
  return count;
}

}  // namespace

TEST(TeamBuilding, TheFirstTickOfTheRunTakesTheSelectedPlayersPortrait) {
  BuildingGame game;
  EXPECT_EQ(game.Building().PortraitLoaded, 1);
  EXPECT_EQ(game.Building().EditPortrait, 0);

  // A second new career in the same run shows the face last edited until a button changes it.
  game.Building().EditPortrait = 12;
  game.Career().Portrait[1] = 5;
  game.Tick();
  EXPECT_EQ(game.Building().EditPortrait, 12);
  game.Press(100, 150);
  EXPECT_EQ(game.Building().EditPortrait, 5);
}

TEST(TeamBuilding, PlayerButtonsSelectAndEveryPressInTheRowReloadsThePortrait) {
  BuildingGame game;
  for (int k = 1; k <= 7; ++k) game.Career().Portrait[k] = k;
  const int clicks = game.Clicks();
  game.Press(251, 150);
  EXPECT_EQ(game.Selected(), 3);
  EXPECT_EQ(game.Building().EditPortrait, 3);
  game.Press(749, 101);
  EXPECT_EQ(game.Selected(), 7);

  game.Building().EditPortrait = 15;
  game.Press(150, 150);  // between buttons 1 and 2
  EXPECT_EQ(game.Selected(), 7);
  EXPECT_EQ(game.Building().EditPortrait, 7);
  game.Press(20, 150);
  EXPECT_EQ(game.Selected(), 7);
  EXPECT_EQ(game.Clicks(), clicks + 4);

  game.Press(300, 100);
  game.Press(300, 200);
  EXPECT_EQ(game.Selected(), 7);
  EXPECT_EQ(game.Clicks(), clicks + 4);
}

TEST(TeamBuilding, EveryPressAdvancesTheFiguresPose) {
  BuildingGame game;
  const int poses[] = {2, 3, 4, 1, 2};
  for (const int expected : poses) {
    game.Press(5, 5);
    EXPECT_EQ(game.Building().BodyPose, expected);
  }
}

TEST(TeamBuilding, PrevCountsUpAndNextCountsDownRoundTheTwentyFaces) {
  BuildingGame game;
  game.Building().EditPortrait = 19;
  game.Prev();
  EXPECT_EQ(game.Building().EditPortrait, 20);
  game.Prev();
  EXPECT_EQ(game.Building().EditPortrait, 0);
  EXPECT_EQ(game.Career().Portrait[1], 0);
  game.Next();
  EXPECT_EQ(game.Building().EditPortrait, 20);
  EXPECT_EQ(game.Career().Portrait[1], 20);
  game.Next();
  EXPECT_EQ(game.Career().Portrait[1], 19);

  // A recruit's masked face goes to the ends of the row of faces.
  const struct { int from, after_prev, after_next; } recruits[] = {{-1, 0, 20}, {21, 0, 20}};
  for (const auto& recruit : recruits) {
    game.Building().EditPortrait = recruit.from;
    game.Prev();
    EXPECT_EQ(game.Building().EditPortrait, recruit.after_prev) << recruit.from;
    game.Building().EditPortrait = recruit.from;
    game.Next();
    EXPECT_EQ(game.Building().EditPortrait, recruit.after_next) << recruit.from;
  }

  const int clicks = game.Clicks();
  game.Press(430, 525);
  game.Press(480, 500);
  game.Press(600, 525);
  game.Press(750, 525);
  EXPECT_EQ(game.Clicks(), clicks);
}

TEST(TeamBuilding, TypingANameOnTheKeyboard) {
  BuildingGame game;
  game.Press(500, 150);  // player 5
  game.Change();
  EXPECT_EQ(game.Building().Renaming, 1);
  game.Press(kQ, kRow1Y);
  game.Press(kA, kRow2Y);
  game.Press(kZ, kRow3Y);
  game.Space();
  game.Press(372, kRow1Y);  // P at the right end of its key
  EXPECT_EQ(game.Building().NameBuffer, "QAZ P");
  EXPECT_EQ(game.Building().KeyCount, 5);
  game.Ok();
  EXPECT_EQ(game.Name(5), "QAZ P");
  EXPECT_EQ(game.Building().Renaming, 0);
  EXPECT_EQ(game.Building().KeyCount, 0);
  EXPECT_EQ(game.Building().NameBuffer, "");
}

TEST(TeamBuilding, EveryKeyLiesOnItsRange) {
  BuildingGame game;
  const struct { int y; const char* letters; int ends[10][2]; } rows[] = {
      {kRow1Y, "QWERTYUIOP", {{103, 127}, {129, 154}, {156, 181}, {183, 208}, {210, 235}, {237, 261}, {263, 289}, {291, 315}, {317, 342}, {344, 372}}},
      {kRow2Y, "ASDFGHJKL", {{117, 141}, {143, 168}, {170, 195}, {197, 222}, {224, 249}, {251, 275}, {277, 302}, {304, 329}, {331, 356}}},
      {kRow3Y, "ZXCVBNM", {{144, 170}, {172, 196}, {198, 223}, {225, 250}, {252, 277}, {279, 304}, {306, 330}}},
  };
  game.Change();
  for (const auto& row : rows) {
    const std::string letters = row.letters;
    for (int end = 0; end < 2; ++end) {
      game.Clear();
      for (std::size_t i = 0; i < letters.size(); ++i) game.Press(row.ends[i][end], row.y);
      EXPECT_EQ(game.Building().NameBuffer, letters) << "row at " << row.y << (end ? ", right ends" : ", left ends");
      game.Clear();
      for (std::size_t i = 0; i < letters.size(); ++i) game.Press(row.ends[i][end] + (end ? 1 : -1), row.y);
      EXPECT_EQ(game.Building().NameBuffer, "") << "beside the keys of the row at " << row.y;
    }
  }
  game.Clear();
  for (const int y : {302, 329, 330, 361, 362, 363, 392}) game.Press(kQ + 14, y);
  EXPECT_EQ(game.Building().NameBuffer, "") << "the edges of the rows' bands";
  EXPECT_EQ(game.Building().KeyCount, 0);
}

TEST(TeamBuilding, TenPressesEndTheTypingEvenWhenSomeMissTheKeys) {
  BuildingGame game;
  game.Change();
  const int clicks = game.Clicks();
  game.Press(128, kRow1Y);  // between Q and W
  game.Press(600, kRow2Y);  // far beside the keyboard, still in the row's band
  game.Space();
  for (int i = 0; i < 7; ++i) game.Press(kA, kRow2Y);
  EXPECT_EQ(game.Building().KeyCount, 10);
  EXPECT_EQ(game.Clicks(), clicks + 10);
  game.Press(kA, kRow2Y);
  game.Space();
  EXPECT_EQ(game.Building().NameBuffer, " AAAAAAA");
  EXPECT_EQ(game.Building().KeyCount, 10);
  EXPECT_EQ(game.Clicks(), clicks + 10);

  game.Clear();
  EXPECT_EQ(game.Building().NameBuffer, "");
  EXPECT_EQ(game.Building().KeyCount, 0);
  game.Press(kA, kRow2Y);
  EXPECT_EQ(game.Building().NameBuffer, "A");
}

TEST(TeamBuilding, OkNamesAnUntypedPlayerByNumberAndKeepsNamesOfSpacesOrNothing) {
  BuildingGame game;
  game.Press(300, 150);
  game.Change();
  game.Ok();
  EXPECT_EQ(game.Name(3), "Unknown Player #3");

  game.Change();
  game.Space();
  game.Space();
  game.Ok();
  EXPECT_EQ(game.Name(3), "  ");

  game.Change();
  game.Press(128, kRow1Y);
  game.Ok();
  EXPECT_EQ(game.Name(3), "") << "a counted press that missed every key";
}

TEST(TeamBuilding, WhileTypingOnlyTheKeyboardAndThePortraitButtonsWork) {
  BuildingGame game;
  game.Change();
  game.Press(500, 150);
  EXPECT_EQ(game.Selected(), 1);
  game.Press(500, 570);
  EXPECT_TRUE(game.Building().Visible());
  game.Change();
  EXPECT_EQ(game.Building().KeyCount, 0);
  game.Prev();
  EXPECT_EQ(game.Career().Portrait[1], 1);
  EXPECT_EQ(game.Building().Renaming, 1);
}

TEST(TeamBuilding, TeamBuildCompleteOpensTheTeamPageWithTheFirstPlayer) {
  BuildingGame game;
  game.Press(600, 150);
  ASSERT_EQ(game.Selected(), 6);
  const int clicks = game.Clicks();
  game.Press(440, 570);
  game.Press(600, 550);
  EXPECT_TRUE(game.Building().Visible());
  game.Press(752, 584);
  EXPECT_EQ(game.Clicks(), clicks + 1);
  EXPECT_FALSE(game.Building().Visible());
  EXPECT_FALSE(game.Building().Timer1.Enabled);
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_TRUE(game.program.Form4().Timer1.Enabled);
  EXPECT_EQ(game.Selected(), 1);
}

TEST(TeamBuilding, DrawsThePlayerTheFaceAndTheFigureOfItsPortrait) {
  BuildingGame game(true);
  game.Press(400, 150);  // player 4
  game.Career().GearLevel[4] = 2;
  const int pose = game.Building().BodyPose;
  const int female = 34 + pose - 1, male = 38 + pose - 1;
  const struct { int portrait; int figure; int face; } cases[] = {
      {0, male, 37}, {5, female, 21}, {10, female, 26}, {11, male, 27}, {20, male, 36}};
  for (const auto& shown : cases) {
    SCOPED_TRACE("portrait " + std::to_string(shown.portrait));
    game.Career().Portrait[4] = shown.portrait;
    game.Building().EditPortrait = shown.portrait;
    game.Tick();
    const gfx::Picture& frame = *game.Building().LastFrame();
    EXPECT_TRUE(Shows(frame, 0, 330, game.program.Picture(7, shown.figure)));
    EXPECT_TRUE(Shows(frame, 430, 250, game.program.Picture(2, shown.face)));
  }
  const gfx::Picture& frame = *game.Building().LastFrame();
  EXPECT_TRUE(Shows(frame, 350, 100, game.program.Picture(2, 13)));
  EXPECT_TRUE(Shows(frame, 250, 100, game.program.Picture(2, 5)));
  EXPECT_TRUE(Shows(frame, 300, 200, game.program.Picture(3, 47)));
  EXPECT_TRUE(Shows(frame, 130, 450, game.program.Picture(2, 43)));
  EXPECT_TRUE(Shows(frame, 440, 550, game.program.Picture(2, 44)));
  EXPECT_GT(PixelsOf(frame, gfx::colors::Silver, 300, 330, 340, 360), 20) << "the speed value";
  EXPECT_GT(PixelsOf(frame, gfx::colors::Black, 100, 250, 300, 310), 100) << "name and occupation";
}

TEST(TeamBuilding, TheKeyboardReplacesThePlayerWhileTyping) {
  BuildingGame game(true);
  game.Change();
  game.Tick();
  const gfx::Picture& frame = *game.Building().LastFrame();
  EXPECT_TRUE(Shows(frame, 100, 300, game.program.Picture(2, 41)));
  EXPECT_EQ(frame.ColorAt(200, 250), gfx::colors::Black) << "the name box";
  EXPECT_EQ(frame.ColorAt(420, 260), gfx::colors::Black);
  EXPECT_FALSE(Shows(frame, 440, 550, game.program.Picture(2, 44)));
  EXPECT_EQ(frame.ColorAt(50, 560), gfx::colors::White) << "no figure";
}

TEST(TeamBuilding, ValuesOutOfRangeDrawNothing) {
  BuildingGame game(true);
  game.Career().Occupation[1] = 31;
  game.Career().GearLevel[1] = 0;
  game.Career().HomeCountry = 21;
  game.Building().EditPortrait = 21;
  game.Tick();
  const gfx::Picture& frame = *game.Building().LastFrame();
  EXPECT_EQ(frame.ColorAt(590, 370), gfx::colors::White);
  EXPECT_EQ(frame.ColorAt(230, 520), gfx::colors::White);
  EXPECT_EQ(frame.ColorAt(400, 215), gfx::colors::White);
}
