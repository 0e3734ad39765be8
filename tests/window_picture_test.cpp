#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scaling.h"
#include "platform/window_picture.h"

namespace {

using platform::Scaling;
using platform::WindowPicture;
using platform::WindowRect;

// A window's pixels, as the display would keep them between presents.
struct Window {
  explicit Window(const Scaling& scaling)
      : width(scaling.WindowWidth()), pixels(static_cast<std::size_t>(width) * scaling.WindowHeight(), 0xDEAD) {}
  std::vector<WindowRect> Paint(WindowPicture& picture) { return picture.Paint(pixels.data(), width); }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  int width;
  std::vector<std::uint32_t> pixels;
};

// A busy picture: every pixel differs from its neighbours.
gfx::Picture Busy(int width, int height, std::uint32_t seed) {
  gfx::Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, (x * 2654435761u + y * 40503u + seed) & 0xFFFFFF);
  }
  return picture;
}

// The picture a fresh window would show of these, drawn whole.
std::vector<std::uint32_t> DrawnWhole(const Scaling& scaling, const gfx::Picture& frame, gfx::Point at,
                                      const gfx::Picture* box = nullptr, gfx::Point box_at = {}) {
  WindowPicture fresh;
  fresh.Fit(scaling);
  fresh.ShowFrame(frame, at);
  fresh.ShowBox(box, box_at);
  Window window(scaling);
  window.Paint(fresh);
  return window.pixels;
}

long long PixelsIn(const std::vector<WindowRect>& rects) {
  long long count = 0;
  for (const WindowRect& rect : rects) count += static_cast<long long>(rect.width) * rect.height;
  return count;
}

const Scaling kScalings[] = {
    {1920, 1080, 9, 5},  // fitted on the most common display
    {2560, 1440, 2, 1},  // sharp squares
    {1024, 768, 32, 25},
    {1930, 1085, 1, 1},
    {400, 300, 1, 2},  // a small window: the picture shrinks
};

}  // namespace

// Whatever changed between two frames, drawing only the changed parts onto the window
// leaves it exactly as drawing the new frame whole: the filter's reach, the tiles' edges,
// the picture's border and the window's edge included.
TEST(WindowPicture, DrawingWhatChangedEqualsDrawingEverything) {
  for (const Scaling& scaling : kScalings) {
    SCOPED_TRACE(std::to_string(scaling.WindowWidth()) + " x " + std::to_string(scaling.WindowHeight()) + " at " +
                 std::to_string(scaling.Factor()));
    const gfx::Point at{scaling.GameArea().width / 2 - 400, scaling.GameArea().height / 2 - 300};
    WindowPicture picture;
    picture.Fit(scaling);
    gfx::Picture frame = Busy(800, 600, 1);
    picture.ShowFrame(frame, at);
    Window window(scaling);
    ASSERT_EQ(PixelsIn(window.Paint(picture)), static_cast<long long>(window.pixels.size())) << "all at first";

    // A dot in a corner, a line across two tiles, a block at the right and bottom edges.
    frame.SetPixel(0, 0, 0x123456);
    for (int x = 10; x < 40; ++x) frame.SetPixel(x, 300, 0xFF0000);
    for (int y = 590; y < 600; ++y) {
      for (int x = 785; x < 800; ++x) frame.SetPixel(x, y, 0x00FF00);
    }
    picture.ShowFrame(frame, at);
    const std::vector<WindowRect> drawn = window.Paint(picture);
    EXPECT_LT(PixelsIn(drawn), static_cast<long long>(window.pixels.size()) / 20);
    EXPECT_EQ(window.pixels, DrawnWhole(scaling, frame, at));

    // The error box comes over it and goes again.
    const gfx::Picture box = Busy(300, 120, 7);
    const gfx::Point box_at{at.x + 250, at.y + 240};
    picture.ShowBox(&box, box_at);
    window.Paint(picture);
    EXPECT_EQ(window.pixels, DrawnWhole(scaling, frame, at, &box, box_at));
    picture.ShowBox(nullptr, {});
    window.Paint(picture);
    EXPECT_EQ(window.pixels, DrawnWhole(scaling, frame, at));

    // Another screen's picture in another place: where the old one was is white again.
    const gfx::Picture help = Busy(300, 200, 3);
    picture.ShowFrame(help, {0, 0});
    window.Paint(picture);
    EXPECT_EQ(window.pixels, DrawnWhole(scaling, help, {0, 0}));
  }
}

// A still screen costs nothing at all, and a dot costs a few window pixels.
TEST(WindowPicture, AStillScreenDrawsNothingAndADotLittle) {
  const Scaling fitted(1920, 1080, 9, 5);
  WindowPicture picture;
  picture.Fit(fitted);
  gfx::Picture frame = Busy(800, 600, 5);
  picture.ShowFrame(frame, {133, 0});
  Window window(fitted);
  window.Paint(picture);
  picture.ShowFrame(frame, {133, 0});
  EXPECT_TRUE(window.Paint(picture).empty());
  frame.SetPixel(400, 300, 0);
  picture.ShowFrame(frame, {133, 0});
  const std::vector<WindowRect> drawn = window.Paint(picture);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_LE(PixelsIn(drawn), 36 * 36) << "one tile and the filter's reach, 1.8 times";
}

// Fitted on 1920 x 1080, the picture fills columns 240..1679 and every row, and the white
// beside it stays white: no blend of the two across the picture's edge.
TEST(WindowPicture, ThePictureEndsWhereTheMouseSaysItEnds) {
  const Scaling fitted(1920, 1080, 9, 5);
  WindowPicture picture;
  picture.Fit(fitted);
  picture.ShowFrame(gfx::Picture(800, 600, gfx::Color{0, 0, 0}), {133, 0});
  Window window(fitted);
  window.Paint(picture);
  for (const int y : {0, 540, 1079}) {
    EXPECT_EQ(window.At(239, y), 0xFFFFFFu) << y;
    EXPECT_EQ(window.At(240, y), 0u) << y;
    EXPECT_EQ(window.At(1679, y), 0u) << y;
    EXPECT_EQ(window.At(1680, y), 0xFFFFFFu) << y;
  }
  EXPECT_EQ(fitted.ToGame(239, 0).x, 132);
  EXPECT_EQ(fitted.ToGame(240, 0).x, 133);
}

// A new size of window draws everything again, the picture still in the middle.
TEST(WindowPicture, ANewWindowSizeKeepsThePictureInTheMiddle) {
  WindowPicture picture;
  const Scaling full(1920, 1080, 9, 5);
  picture.Fit(full);
  const gfx::Picture frame = Busy(800, 600, 9);
  picture.ShowFrame(frame, {133, 0});
  Window first(full);
  first.Paint(picture);
  const Scaling windowed = Scaling::For({}, 1440, 810);
  picture.Fit(windowed);
  Window second(windowed);
  EXPECT_EQ(PixelsIn(second.Paint(picture)), 1440 * 810);
  EXPECT_EQ(picture.FrameAt().x, windowed.GameArea().width / 2 - 400);
  EXPECT_EQ(second.pixels, DrawnWhole(windowed, frame, picture.FrameAt()));
}
