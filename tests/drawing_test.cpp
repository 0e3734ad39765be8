#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "gfx/canvas.h"
#include "gfx/fonts.h"

using gfx::Canvas;
using gfx::Color;
namespace colors = gfx::colors;

namespace {

gfx::FontLibrary& Fonts() {
  static gfx::FontLibrary fonts;
  static const std::string failed = fonts.LoadFrom(std::string(SPLATVANE_GAME_DIR) + "/fonts");
  EXPECT_EQ(failed, "");
  return fonts;
}

int CountColor(const Canvas& canvas, Color color) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) count += canvas.PixelAt(x, y) == color;
  }
  return count;
}

}  // namespace

TEST(Canvas, RectangleFillsInsideAndOutlinesWithRightAndBottomEdgesLeftOut) {
  Canvas canvas(20, 20, nullptr);
  canvas.Brush.Color = colors::Silver;
  canvas.Pen.Color = colors::Black;
  canvas.Rectangle(2, 3, 8, 9);
  EXPECT_EQ(canvas.PixelAt(2, 3), colors::Black);
  EXPECT_EQ(canvas.PixelAt(7, 8), colors::Black);
  EXPECT_EQ(canvas.PixelAt(8, 8), colors::White);
  EXPECT_EQ(canvas.PixelAt(7, 9), colors::White);
  EXPECT_EQ(canvas.PixelAt(4, 5), colors::Silver);
  EXPECT_EQ(CountColor(canvas, colors::Silver), 4 * 4);
}

TEST(Canvas, LinesLeaveOutTheirLastPointAndSurviveWildCoordinates) {
  Canvas canvas(20, 20, nullptr);
  canvas.Pen.Color = colors::Red;
  canvas.MoveTo(1, 1);
  canvas.LineTo(6, 1);
  EXPECT_EQ(CountColor(canvas, colors::Red), 5);
  EXPECT_EQ(canvas.PixelAt(6, 1), colors::White);
  canvas.LineTo(6, 6);
  EXPECT_EQ(canvas.PixelAt(6, 1), colors::Red);
  canvas.MoveTo(-2000000000, 10);
  canvas.LineTo(2000000000, 10);  // across the whole picture, not a walk of four billion steps
  for (int x = 0; x < 20; ++x) EXPECT_EQ(canvas.PixelAt(x, 10), colors::Red);
  canvas.MoveTo(-5, -5);
  canvas.LineTo(-1, -100);
  EXPECT_EQ(CountColor(canvas, colors::Red), 5 + 5 + 20);
}

TEST(Canvas, EllipseIsRoundAndStaysInsideItsBox) {
  Canvas canvas(40, 40, nullptr);
  canvas.Brush.Color = colors::Yellow;
  canvas.Pen.Color = colors::Blue;
  canvas.Ellipse(10, 10, 30, 30);
  EXPECT_EQ(canvas.PixelAt(20, 20), colors::Yellow);
  EXPECT_EQ(canvas.PixelAt(10, 20), colors::Blue);
  EXPECT_EQ(canvas.PixelAt(29, 20), colors::Blue);
  EXPECT_EQ(canvas.PixelAt(20, 10), colors::Blue);
  EXPECT_EQ(canvas.PixelAt(10, 10), colors::White);
  EXPECT_EQ(canvas.PixelAt(30, 20), colors::White);
  const int inside = CountColor(canvas, colors::Yellow) + CountColor(canvas, colors::Blue);
  EXPECT_NEAR(inside, 3.14159 * 10 * 10, 25);
  canvas.Ellipse(-2000000000, 0, 2000000000, 10);  // nothing sensible to draw, and no hang
}

TEST(Canvas, TextIsDrawnOpaqueOnTheBrushColour) {
  Canvas canvas(200, 40, &Fonts());
  canvas.Brush.Color = colors::Silver;
  canvas.Font.Color = colors::Red;
  canvas.Font.Size = 14;
  const int width = canvas.TextWidth("Player Name");
  EXPECT_GT(width, 60);
  EXPECT_LT(width, 130);
  canvas.TextOut(5, 5, "Player Name");
  EXPECT_EQ(canvas.PixelAt(5, 5), colors::Silver);
  EXPECT_EQ(canvas.PixelAt(5 + width - 1, 5 + canvas.TextHeight() - 1), colors::Silver);
  EXPECT_EQ(canvas.PixelAt(5 + width, 5), colors::White);
  EXPECT_GT(CountColor(canvas, colors::Red), 20);
}

TEST(Picture, FillReachesEveryPixelWhateverTheSize) {
  for (const auto& [width, height] : {std::pair{1, 1}, {7, 1}, {3, 5}, {33, 17}, {800, 600}}) {
    gfx::Picture picture(width, height, colors::Red);
    picture.Fill(colors::Green);
    EXPECT_EQ(std::count(picture.Pixels().begin(), picture.Pixels().end(), colors::Green.Packed()), width * height) << width << "x" << height;
  }
}

// A picture drawn onto itself one pixel to the right moves along its rows.
TEST(Canvas, DrawOntoItselfMovesThePicture) {
  Canvas canvas(4, 2, nullptr);
  canvas.Brush.Color = colors::Red;
  canvas.FillRect(0, 0, 1, 1);
  canvas.Brush.Color = colors::Blue;
  canvas.FillRect(1, 1, 2, 2);
  canvas.Draw(1, 0, &canvas.Image());
  EXPECT_EQ(canvas.PixelAt(1, 0), colors::Red);
  EXPECT_EQ(canvas.PixelAt(2, 1), colors::Blue);
  EXPECT_EQ(canvas.PixelAt(0, 0), colors::Red);
  EXPECT_EQ(canvas.PixelAt(2, 0), colors::White);
}

TEST(Canvas, DrawCopiesAPictureClippedToTheCanvas) {
  Canvas canvas(10, 10, nullptr);
  const gfx::Picture picture(4, 4, colors::Green);
  canvas.Draw(-2, 8, &picture);
  EXPECT_EQ(canvas.PixelAt(0, 8), colors::Green);
  EXPECT_EQ(canvas.PixelAt(1, 9), colors::Green);
  EXPECT_EQ(canvas.PixelAt(2, 9), colors::White);
  EXPECT_EQ(CountColor(canvas, colors::Green), 4);
  canvas.Draw(-600, -300, &picture);
  canvas.Draw(0, 0, nullptr);
  EXPECT_EQ(CountColor(canvas, colors::Green), 4);
}
