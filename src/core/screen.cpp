#include "core/screen.h"

#include <utility>

#include "gfx/page_pool.h"

namespace core {

using gfx::GiveBackPage;
using gfx::UsedOrNewPage;

Screen::Screen(Stage& stage, int number, std::string caption, InputPicture input)
    : stage_(stage), number_(number), caption_(std::move(caption)), input_(input) {}

Screen::~Screen() {
  GiveBackPage(std::move(spare_page_));
  if (last_frame_) GiveBackPage(std::move(*last_frame_));
}

// A screen coming into view shows nothing of an earlier showing: its first tick draws it.
void Screen::Show() {
  visible_ = true;
  shown_serial_ = stage_.NextShownSerial();
  LetGoOfFrame();
}

// A hidden screen's last picture is seen by no one; its next tick draws a fresh one.
void Screen::Hide() {
  visible_ = false;
  LetGoOfFrame();
}

void Screen::LetGoOfFrame() {
  if (last_frame_) GiveBackPage(std::move(*last_frame_));
  last_frame_.reset();
}

void Screen::Timer1Timer() { Frame frame(*this, &stage_.Fonts()); }

void Screen::KeepFrame(gfx::Picture&& frame) {
  if (last_frame_) {
    KeepPage(std::exchange(*last_frame_, std::move(frame)));
  } else {
    last_frame_.emplace(std::move(frame));
  }
  stage_.FrameChanged(*this);
}

gfx::Picture Screen::BlankPage(int width, int height) {
  gfx::Picture page = std::exchange(spare_page_, gfx::Picture{});
  if (page.Width() != width || page.Height() != height) {
    GiveBackPage(std::move(page));
    page = UsedOrNewPage(width, height);
  }
  page.Fill(gfx::colors::White);
  return page;
}

Frame::Frame(Screen& screen, gfx::FontLibrary* fonts, int width, int height)
    : screen_(screen), canvas_(screen.BlankPage(width, height), fonts), shown_at_start_(screen.Visible()) {}

Frame::~Frame() { Copy(); }

// The page itself becomes the window's picture, without a copy: whatever is drawn after this
// lands on an empty canvas and is seen by no one, as the off-screen picture's later strokes
// were not copied.
// A screen that handed over during its own tick, the match that ended, keeps none of it.
void Frame::Copy() {
  if (copied_) return;
  copied_ = true;
  gfx::Picture page = canvas_.ReleasePage();
  if (shown_at_start_ && !screen_.Visible()) return GiveBackPage(std::move(page));
  screen_.KeepFrame(std::move(page));
}

}  // namespace core
