#include <gtest/gtest.h>

#include <string>

#include "gfx/controls.h"

namespace {

using gfx::Memo;
using gfx::MemoKey;
using gfx::TextPosition;

gfx::FontLibrary& Fonts() {
  static gfx::FontLibrary fonts;
  if (!fonts.Loaded()) fonts.LoadFrom(std::string(SPLATVANE_GAME_DIR) + "/fonts");
  return fonts;
}

gfx::FontState SystemFont() {
  gfx::FontState font;
  font.Size = 12;
  return font;
}

// A box like the help screen's: 537 x 457 at (208, 72).
Memo HelpBox() { return Memo({208, 72, 537, 457}, &Fonts(), SystemFont()); }

std::string Words(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? " word" : "word") + std::to_string(i);
  return text;
}

int WrapWidth(const Memo& memo) { return memo.TextArea().width - 2 * Memo::kMargin; }

TEST(Memo, LineBreaksOfAnyKindSplitLinesAndAFinalBreakAddsNone) {
  Memo memo = HelpBox();
  memo.SetText("one\r\ntwo\nthree\rfour\r\n");
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"one", "two", "three", "four"}));
  memo.SetText("a\n\nb");
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "", "b"}));
  memo.SetText("");
  EXPECT_EQ(memo.Text(), "");
  EXPECT_EQ(memo.RowCount(), 1);
}

TEST(Memo, LongLinesWrapAtSpacesWithinTheWidthAndLoseNoCharacter) {
  Memo memo = HelpBox();
  const std::string line = Words(120);
  memo.SetText(line);
  ASSERT_GT(memo.RowCount(), 5);
  std::string joined;
  for (int row = 0; row < memo.RowCount(); ++row) {
    const std::string text = memo.RowText(row);
    joined += text;
    std::string shown = text;
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    EXPECT_LE(gfx::MeasureText(&Fonts(), SystemFont(), shown), WrapWidth(memo)) << row;
    if (row + 1 < memo.RowCount()) {
      EXPECT_EQ(text.back(), ' ') << row;
    }
  }
  EXPECT_EQ(joined, line);
}

TEST(Memo, AWordWiderThanTheBoxBreaksBetweenCharacters) {
  Memo memo = HelpBox();
  const std::string word(400, 'W');
  memo.SetText(word + " end");
  ASSERT_GE(memo.RowCount(), 3);
  EXPECT_LE(gfx::MeasureText(&Fonts(), SystemFont(), memo.RowText(0)), WrapWidth(memo));
  EXPECT_GT(memo.RowText(0).size(), 10u);
  std::string joined;
  for (int row = 0; row < memo.RowCount(); ++row) joined += memo.RowText(row);
  EXPECT_EQ(joined, word + " end");
}

TEST(Memo, TypingAndDeletingEditTheLinesAtTheCaret) {
  Memo memo = HelpBox();
  memo.SetText("ac\nxy");
  memo.PressKey(MemoKey::Right);
  memo.TypeCharacter('b');
  EXPECT_EQ(memo.Lines()[0], "abc");
  memo.PressKey(MemoKey::End);
  memo.PressKey(MemoKey::Delete);  // joins the next line
  EXPECT_EQ(memo.Lines(), std::vector<std::string>{"abcxy"});
  memo.PressKey(MemoKey::Enter);
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"abc", "xy"}));
  EXPECT_EQ(memo.Caret(), (TextPosition{1, 0}));
  memo.PressKey(MemoKey::Backspace);  // joins them again
  EXPECT_EQ(memo.Lines(), std::vector<std::string>{"abcxy"});
  EXPECT_EQ(memo.Caret(), (TextPosition{0, 3}));
  memo.PressKey(MemoKey::Backspace);
  EXPECT_EQ(memo.Lines()[0], "abxy");
  memo.PressKey(MemoKey::Home);
  memo.PressKey(MemoKey::Backspace);  // nothing before the first character
  memo.PressKey(MemoKey::Left);
  EXPECT_EQ(memo.Caret(), (TextPosition{0, 0}));
  EXPECT_EQ(memo.Text(), "abxy");
}

TEST(Memo, ArrowsCrossLineEndsAndUpDownKeepTheCaretsPlace) {
  Memo memo = HelpBox();
  memo.SetText("first line\nx\nfirst time");
  memo.PressKey(MemoKey::End);
  memo.PressKey(MemoKey::Right);
  EXPECT_EQ(memo.Caret(), (TextPosition{1, 0}));
  memo.PressKey(MemoKey::Left);
  EXPECT_EQ(memo.Caret(), (TextPosition{0, 10}));
  memo.PressKey(MemoKey::Down);
  EXPECT_EQ(memo.Caret(), (TextPosition{1, 1}));
  memo.PressKey(MemoKey::Down);
  EXPECT_EQ(memo.Caret(), (TextPosition{2, 10}));
  memo.PressKey(MemoKey::Down);
  EXPECT_EQ(memo.Caret(), (TextPosition{2, 10}));
}

TEST(Memo, HomeAndEndKeepToTheShownRowOfAWrappedLine) {
  Memo memo = HelpBox();
  memo.SetText(Words(120));
  memo.PressKey(MemoKey::Down);
  const int second_row_start = static_cast<int>(memo.RowText(0).size());
  memo.PressKey(MemoKey::Home);
  EXPECT_EQ(memo.Caret(), (TextPosition{0, second_row_start}));
  memo.PressKey(MemoKey::End);
  const int second_row_end = second_row_start + static_cast<int>(memo.RowText(1).size()) - 1;
  EXPECT_EQ(memo.Caret(), (TextPosition{0, second_row_end}));
  memo.TypeCharacter('!');
  EXPECT_EQ(memo.Lines()[0][static_cast<std::size_t>(second_row_end)], '!');
}

TEST(Memo, AClickPlacesTheCaretInTheRowAndBetweenTheLettersUnderIt) {
  Memo memo = HelpBox();
  memo.SetText("alpha\nbeta gamma\ndelta");
  const gfx::Rect area = memo.TextArea();
  const int row_height = gfx::LineHeight(&Fonts(), SystemFont());
  const int x_after_beta = area.left + Memo::kMargin + gfx::MeasureText(&Fonts(), SystemFont(), "beta") + 1;
  memo.MouseDown(x_after_beta, area.top + row_height + row_height / 2);
  EXPECT_EQ(memo.Caret(), (TextPosition{1, 4}));
  memo.MouseDown(area.Right() - 3, area.top + row_height * 2 + 2);
  EXPECT_EQ(memo.Caret(), (TextPosition{2, 5}));
  memo.MouseDown(area.left + 1, area.Bottom() - 2);  // below the text: the last row
  EXPECT_EQ(memo.Caret(), (TextPosition{2, 0}));
}

Memo LongText() {
  Memo memo = HelpBox();
  std::string text;
  for (int line = 0; line < 100; ++line) text += "line " + std::to_string(line) + "\n";
  memo.SetText(text);
  return memo;
}

TEST(Memo, TheWheelAndTheArrowsScrollWithinTheText) {
  Memo memo = LongText();
  ASSERT_GT(memo.LastTopRow(), 50);
  memo.Wheel(1);
  EXPECT_EQ(memo.TopRow(), 0);
  memo.Wheel(-2);
  EXPECT_EQ(memo.TopRow(), 2 * Memo::kWheelRows);
  const gfx::Rect down = memo.DownArrow();
  memo.MouseDown(down.left + 5, down.top + 5);
  EXPECT_EQ(memo.TopRow(), 2 * Memo::kWheelRows + 1);
  const gfx::Rect up = memo.UpArrow();
  memo.MouseDown(up.left + 5, up.top + 5);
  memo.MouseDown(up.left + 5, up.top + 5);
  EXPECT_EQ(memo.TopRow(), 2 * Memo::kWheelRows - 1);
  memo.Wheel(-1000);
  EXPECT_EQ(memo.TopRow(), memo.LastTopRow());
  EXPECT_EQ(memo.Caret(), (TextPosition{0, 0}));  // scrolling leaves the caret where it was
}

TEST(Memo, TheTrackPagesAndTheThumbDragsTheView) {
  Memo memo = LongText();
  gfx::Rect thumb = memo.Thumb();
  ASSERT_GT(thumb.height, 0);
  memo.MouseDown(thumb.left + 5, thumb.Bottom() + 5);
  EXPECT_EQ(memo.TopRow(), memo.VisibleRows());
  thumb = memo.Thumb();
  memo.MouseDown(thumb.left + 5, thumb.top - 3);
  EXPECT_EQ(memo.TopRow(), 0);

  thumb = memo.Thumb();
  memo.MouseDown(thumb.left + 5, thumb.top + 2);
  memo.MouseMove(thumb.left + 5, memo.Track().Bottom() + 50);
  EXPECT_EQ(memo.TopRow(), memo.LastTopRow());
  memo.MouseMove(thumb.left + 5, thumb.top + 2);
  EXPECT_EQ(memo.TopRow(), 0);
  memo.MouseUp();
  memo.MouseMove(thumb.left + 5, memo.Track().Bottom());
  EXPECT_EQ(memo.TopRow(), 0);
}

TEST(Memo, NoThumbWhenEverythingFits) {
  Memo memo = HelpBox();
  memo.SetText("short");
  EXPECT_EQ(memo.Thumb().height, 0);
  memo.Wheel(-5);
  EXPECT_EQ(memo.TopRow(), 0);
}

TEST(Memo, KeysKeepTheCaretInView) {
  Memo memo = LongText();
  memo.PressKey(MemoKey::PageDown);
  EXPECT_EQ(memo.TopRow(), memo.VisibleRows());
  EXPECT_EQ(memo.Caret().line, memo.VisibleRows());
  for (int i = 0; i < memo.VisibleRows(); ++i) memo.PressKey(MemoKey::Down);
  EXPECT_EQ(memo.Caret().line, 2 * memo.VisibleRows());
  EXPECT_EQ(memo.TopRow(), memo.VisibleRows() + 1);
  memo.Wheel(1000);
  memo.TypeCharacter('z');  // typing brings the caret back into view
  EXPECT_GE(memo.TopRow(), memo.Caret().line - memo.VisibleRows() + 1);
  EXPECT_LE(memo.TopRow(), memo.Caret().line);
}

TEST(Memo, DrawsItsTextInsideItsBoxOnly) {
  Memo memo = LongText();
  gfx::Canvas canvas(800, 600, &Fonts());
  memo.Draw(canvas);
  const gfx::Rect box = memo.Bounds();
  for (int x = 0; x < 800; ++x) EXPECT_EQ(canvas.PixelAt(x, box.Bottom()), gfx::colors::White) << x;
  int inked = 0;
  const gfx::Rect area = memo.TextArea();
  for (int y = area.top; y < area.top + 20; ++y) {
    for (int x = area.left; x < area.left + 60; ++x) inked += canvas.PixelAt(x, y) != gfx::colors::White;
  }
  EXPECT_GT(inked, 30);
}

}  // namespace
