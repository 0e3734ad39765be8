#include <gtest/gtest.h>

#include <string>

#include "help/help_screen.h"
#include "support/fake_host.h"
#include "team/team_page.h"

namespace {

using core::MouseButton;
using testing_support::Game;

constexpr int kTitleX = 30;
int TitleY(int topic) { return 72 + 24 * (topic - 1) + 8; }

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class HelpScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const help::Topic& topic : help::kTopics) {
      game.host.files.files[std::string(topic.file)] = Bytes("Text of " + std::string(topic.file) + "\r\nsecond line\r\n");
    }
    game.ShowOnly(screen());
  }

  help::TForm13& screen() { return game.program.Form13(); }
  std::string Shown() { return screen().Memo1.Text(); }
  void PressTitle(int topic, MouseButton button = MouseButton::Left) {
    game.program.MouseDown(kTitleX, TitleY(topic), button);
  }
  void ReleaseTitle(int topic, MouseButton button = MouseButton::Left) {
    game.program.MouseUp(kTitleX, TitleY(topic), button);
  }

  Game game;
};

TEST_F(HelpScreen, StartsWithTheInvitationToChooseATitle) {
  EXPECT_EQ(Shown(), help::kFirstText);
}

TEST_F(HelpScreen, TheFirstSixTitlesLoadOnAnyPressTheLastThreeOnAClick) {
  PressTitle(3, MouseButton::Right);
  EXPECT_EQ(Shown(), "Text of countries.txt\r\nsecond line");
  ReleaseTitle(3, MouseButton::Right);

  PressTitle(8);
  EXPECT_EQ(Shown(), "Text of countries.txt\r\nsecond line");
  ReleaseTitle(8);
  EXPECT_EQ(Shown(), "Text of options.txt\r\nsecond line");

  PressTitle(9, MouseButton::Right);
  ReleaseTitle(9, MouseButton::Right);
  EXPECT_EQ(Shown(), "Text of options.txt\r\nsecond line");
  PressTitle(9);
  game.program.MouseUp(600, 300, MouseButton::Left);  // released elsewhere: no click
  EXPECT_EQ(Shown(), "Text of options.txt\r\nsecond line");
}

TEST_F(HelpScreen, EveryTitleReadsItsOwnFile) {
  for (int topic = 1; topic <= help::kTopicCount; ++topic) {
    PressTitle(topic);
    ReleaseTitle(topic);
    EXPECT_EQ(Shown(), "Text of " + std::string(help::kTopics[topic - 1].file) + "\r\nsecond line");
  }
}

TEST_F(HelpScreen, AFileThatCannotBeOpenedIsReportedAndTheTextStays) {
  PressTitle(1);
  game.host.files.files.erase("tournaments.txt");
  PressTitle(2);
  ASSERT_EQ(game.host.errors.size(), 1u);
  EXPECT_EQ(game.host.errors[0], "Cannot open file tournaments.txt.");
  EXPECT_EQ(Shown(), "Text of aboutpaintball.txt\r\nsecond line");
  EXPECT_TRUE(screen().Visible());
}

TEST_F(HelpScreen, AnEmptyFileEmptiesTheBoxAndReloadingLosesEdits) {
  PressTitle(4);
  game.program.KeyPress('X');
  game.program.KeyPress('\r');  // Enter arrives as an edit key; its typed character is not text
  game.program.EditKeyPress(core::EditKey::Enter);
  EXPECT_EQ(Shown(), "X\r\nText of yourplayers.txt\r\nsecond line");
  PressTitle(4);
  EXPECT_EQ(Shown(), "Text of yourplayers.txt\r\nsecond line");
  game.host.files.files["yourgear.txt"].clear();
  PressTitle(5);
  EXPECT_EQ(Shown(), "");
}

TEST_F(HelpScreen, CancelReturnsToTheTeamPageWhichFindsTheTopicScrolledAsItWas) {
  std::string long_text;
  for (int line = 0; line < 200; ++line) long_text += "line " + std::to_string(line) + "\n";
  game.host.files.files["playing.txt"] = Bytes(long_text);
  PressTitle(6);
  game.program.Wheel(400, 300, -4);
  const int scrolled = screen().Memo1.TopRow();
  EXPECT_GT(scrolled, 0);

  game.program.MouseDown(90, 490, MouseButton::Left);
  game.program.MouseUp(90, 490, MouseButton::Left);
  EXPECT_FALSE(screen().Visible());
  EXPECT_FALSE(screen().Timer1.Enabled);
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_TRUE(game.program.Form4().Timer1.Enabled);
  EXPECT_EQ(game.program.Sounds.PlayRequests(core::Sound::Click), 0);

  game.ShowOnly(screen());
  EXPECT_EQ(screen().Memo1.TopRow(), scrolled);
  EXPECT_EQ(screen().Memo1.RowText(0), "line 0");
}

TEST_F(HelpScreen, ControlsStandAtFixedWindowPlacesWhateverTheWindowSize) {
  game.host.client = {1280, 1024};
  game.Tick();
  const gfx::Picture& frame = *screen().LastFrame();
  EXPECT_EQ(frame.Width(), 1280);
  EXPECT_EQ(frame.Height(), 1024);
  const gfx::Rect box = screen().Memo1.Bounds();
  EXPECT_EQ(box.left, 208);
  EXPECT_EQ(box.top, 72);
  EXPECT_NE(frame.ColorAt(208, 72), gfx::colors::White);  // the box's edge
  EXPECT_EQ(frame.ColorAt(207, 72), gfx::colors::White);
  PressTitle(7);
  ReleaseTitle(7);
  EXPECT_EQ(Shown(), "Text of saveload.txt\r\nsecond line");
}

}  // namespace
