#include <gtest/gtest.h>

#include <cstring>

#include "app/title_screen.h"
#include "career/io_error.h"
#include "career/save_file.h"
#include "support/match_end.h"
#include "team/team_page.h"

namespace {

using core::Sound;
using testing_support::MatchOutcome;
using testing_support::ShowsText;

constexpr MatchOutcome kLostMatch{0, 5, false, false, 2500};
constexpr MatchOutcome kDrawnMatch{7, 7, false, false, 2500};

// A new career whose match has just ended.
class ResultSheet : public ::testing::Test {
 protected:
  explicit ResultSheet(bool with_pictures = false) : game(with_pictures) {
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    game.ShowOnly(game.program.Form4());
  }
  void EndMatch(const MatchOutcome& outcome, int improved_player = 0) {
    testing_support::LeaveMatch(game.program, outcome);
    testing_support::ShowResult(game.program, improved_player);
  }
  void Ticks(int count) {
    for (int tick = 0; tick < count; ++tick) game.Tick();
  }
  career::CareerRecord& career() { return game.program.Career; }
  const gfx::Picture& frame() { return *game.program.Form9().LastFrame(); }
  std::vector<std::uint8_t>& saved() { return game.host.files.files[career::kSaveFileName]; }

  testing_support::Game game;
};

class PicturedResultSheet : public ResultSheet {
 protected:
  PicturedResultSheet() : ResultSheet(true) {}
  // The figure's picture below the caption, at the sheet's corner.
  bool ShowsFigure(int image) {
    const gfx::Picture& figure = *game.program.Picture(9, image);
    for (int y = 20; y < figure.Height(); ++y) {
      for (int x = 0; x < figure.Width(); ++x) {
        if (frame().PixelAt(600 + x, 300 + y) != figure.PixelAt(x, y)) return false;
      }
    }
    return true;
  }
  bool IsBlank(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (frame().ColorAt(x, y) != gfx::colors::White) return false;
      }
    }
    return true;
  }
};

TEST_F(ResultSheet, AfterTwentyTicksAnyPressPaysCountsSavesThatAndReturns) {
  career().MatchOfStage = 2;
  career().MatchPending = 1;
  const int cash = career().Cash;
  EndMatch(testing_support::kWonMatch);
  Ticks(19);
  game.Press(400, 300);
  EXPECT_TRUE(game.program.Form9().Visible());
  game.Tick();
  game.Press(5, 590, core::MouseButton::Right);
  EXPECT_FALSE(game.program.Form9().Visible());
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_TRUE(game.program.Form4().Timer1.Enabled);

  career::CareerRecord from_file = career::EmptyCareerRecord();
  career::LoadCareer(from_file, game.host.files);
  EXPECT_EQ(std::memcmp(&from_file, &career(), sizeof from_file), 0);
  EXPECT_EQ(from_file.Cash, cash + 15 * 100 + 40);
  EXPECT_EQ(from_file.Wins, 1);
  EXPECT_EQ(from_file.TourStage, 2);
  EXPECT_EQ(from_file.MatchOfStage, 1);
  EXPECT_EQ(from_file.MatchPending, 0);
}

TEST_F(ResultSheet, AFailedSaveKeepsRecordAndFileAndALaterPressPaysOnce) {
  const std::vector<std::uint8_t> old_file(career::kCareerRecordSize, 7);
  saved() = old_file;
  EndMatch(testing_support::kWonMatch);
  Ticks(20);
  const career::CareerRecord before = career();
  game.host.files.fail_write = career::io_codes::kDiskFull;
  game.host.files.write_before_failing = 100;
  game.Press(400, 300);
  EXPECT_EQ(std::memcmp(&before, &career(), sizeof before), 0);
  EXPECT_EQ(saved(), old_file);
  EXPECT_EQ(game.host.errors, std::vector<std::string>{"Disk full."});
  EXPECT_TRUE(game.program.Form9().Visible());

  game.host.files.fail_write = 0;
  game.Tick();
  game.Press(400, 300);
  EXPECT_EQ(career().Cash, before.Cash + 15 * 100 + 40);
  EXPECT_EQ(career().Wins, before.Wins + 1);
  EXPECT_EQ(career().MatchOfStage, before.MatchOfStage + 1);
  EXPECT_TRUE(game.program.Form4().Visible());
}

TEST_F(PicturedResultSheet, TheVictoryMovesOnBeforeItIsDrawnTheDefeatAfterAndADrawShowsNothing) {
  const int jingles = game.program.Sounds.PlayRequests(Sound::Victory);
  EndMatch(testing_support::kWonMatch);
  Ticks(2);
  EXPECT_TRUE(ShowsFigure(8));
  EXPECT_EQ(game.program.Sounds.PlayRequests(Sound::Victory), jingles + 1);
  Ticks(16);
  EXPECT_TRUE(ShowsFigure(24));
  game.Tick();
  EXPECT_TRUE(ShowsFigure(7));

  game.ShowOnly(game.program.Form4());
  career().MusicOn = 0;
  EndMatch(kLostMatch);
  game.Tick();
  EXPECT_TRUE(IsBlank(600, 320, 800, 600));
  game.Tick();
  EXPECT_TRUE(ShowsFigure(25));
  EXPECT_EQ(game.program.Sounds.PlayRequests(Sound::Defeat), 0);

  game.ShowOnly(game.program.Form4());
  career().MusicOn = 1;
  EndMatch(kDrawnMatch);
  Ticks(2);
  EXPECT_TRUE(IsBlank(600, 300, 800, 600));
  EXPECT_EQ(game.program.Sounds.PlayRequests(Sound::Defeat), 0);
  EXPECT_EQ(game.program.Sounds.PlayRequests(Sound::Victory), jingles + 1);
}

TEST_F(PicturedResultSheet, ANegativeScoreShowsNoCashAndOnlyARollWithinTheTeamIsMarked) {
  career().Speed[3] = 20;
  career().Portrait[1] = 99;
  career().Portrait[2] = -7;
  EndMatch(kLostMatch, 3);
  game.Tick();
  gfx::FontState font;
  font.Size = 10;
  font.Color = gfx::colors::Blue;
  EXPECT_TRUE(ShowsText(game.program, frame(), font, 200, 460, "-5"));
  EXPECT_TRUE(ShowsText(game.program, frame(), font, 200, 480, "$0"));
  EXPECT_TRUE(ShowsText(game.program, frame(), font, 200, 520, "$0"));
  font.Color = gfx::colors::Green;
  for (const int y : {220, 240, 260, 280}) EXPECT_TRUE(ShowsText(game.program, frame(), font, 330, y, "+1")) << y;
  EXPECT_EQ(career().Speed[3], 20);
  EXPECT_TRUE(IsBlank(100, 70, 262, 112));  // portraits that are none of the faces

  game.program.Shared.ImprovedPlayer = 9;
  game.Tick();
  EXPECT_TRUE(IsBlank(130, 220, 160, 300));
  EXPECT_TRUE(IsBlank(330, 220, 360, 300));
}

}  // namespace
