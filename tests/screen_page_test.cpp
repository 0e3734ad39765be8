#include <gtest/gtest.h>

#include "core/screen.h"
#include "gfx/page_pool.h"
#include "support/fake_host.h"

namespace {

// A screen that marks its page on its first tick only.
class MarkingScreen : public core::Screen {
 public:
  using core::Screen::Screen;
  void Timer1Timer() override {
    core::Frame frame(*this, nullptr);
    if (ticks_++ > 0) return;
    frame.Canvas().Brush.Color = gfx::colors::Black;
    frame.Canvas().FillRect(10, 10, 20, 20);
  }

 private:
  int ticks_ = 0;
};

// Each tick starts on a white page, also when the page is the one the last tick drew on.
TEST(ScreenPage, EveryTickStartsWhite) {
  testing_support::Game game;
  MarkingScreen screen(game.program, 99, "Marked");
  screen.Timer1Timer();
  gfx::Canvas reference(core::kPictureWidth, core::kPictureHeight, nullptr);
  reference.Brush.Color = gfx::colors::Black;
  reference.FillRect(10, 10, 20, 20);
  ASSERT_EQ(screen.LastFrame()->Pixels(), reference.Image().Pixels());
  screen.Timer1Timer();
  EXPECT_EQ(screen.LastFrame()->Pixels(), gfx::Picture(core::kPictureWidth, core::kPictureHeight).Pixels());
}

// A screen made after another is gone may draw on that screen's pages: they start white too,
// and what a tick copies before drawing on is what the window gets.
TEST(ScreenPage, PagesOfAGoneScreenStartWhite) {
  testing_support::Game game;
  {
    MarkingScreen gone(game.program, 98, "Gone");
    for (int tick = 0; tick < 3; ++tick) gone.Timer1Timer();
  }
  class CopyThenMark : public core::Screen {
   public:
    using core::Screen::Screen;
    void Timer1Timer() override {
      core::Frame frame(*this, nullptr);
      frame.Copy();
      frame.Canvas().Brush.Color = gfx::colors::Black;
      frame.Canvas().FillRect(30, 30, 40, 40);
    }
  } fresh(game.program, 97, "Fresh");
  const gfx::Picture white(core::kPictureWidth, core::kPictureHeight);
  for (int tick = 0; tick < 3; ++tick) {
    fresh.Timer1Timer();
    EXPECT_EQ(fresh.LastFrame()->Pixels(), white.Pixels()) << "tick " << tick;
  }
}

// Pages go round between screens and text boxes: one moved from is empty, so a size without
// its pixels can never be handed out again.
TEST(ScreenPage, APictureMovedFromIsEmptyAndNeverKeptAsAPage) {
  gfx::Picture page(8, 4);
  gfx::Picture taken = std::move(page);
  EXPECT_EQ(page.Width(), 0);   // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(page.Height(), 0);  // NOLINT(bugprone-use-after-move)
  gfx::GiveBackPage(std::move(page));
  gfx::GiveBackPage(std::move(taken));
  EXPECT_EQ(gfx::UsedOrNewPage(8, 4).Pixels().size(), 32u);
  EXPECT_EQ(gfx::UsedOrNewPage(8, 4).Pixels().size(), 32u);
}

}  // namespace
