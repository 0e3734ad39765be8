#include "shell/screen.h"

#include <utility>

#include "shell/program.h"

namespace shell {

Screen::Screen(Program& program, int number, std::string caption, InputPicture input)
    : program_(program), number_(number), caption_(std::move(caption)), input_(input) {}

void Screen::Show() {
  visible_ = true;
  shown_serial_ = program_.NextShownSerial();
}

// A hidden screen's last picture is seen by no one; its next tick draws a fresh one.
void Screen::Hide() {
  visible_ = false;
  last_frame_.reset();
}

void Screen::Timer1Timer() { Frame frame(*this, &program_.Fonts()); }

void Screen::KeepFrame(const gfx::Picture& frame) {
  if (last_frame_ && last_frame_->Width() == frame.Width() && last_frame_->Height() == frame.Height()) {
    *last_frame_ = frame;
  } else {
    last_frame_.emplace(frame);
  }
  program_.FrameChanged(*this);
}

gfx::Picture Screen::BlankPage(int width, int height) {
  if (spare_page_.Width() != width || spare_page_.Height() != height) return gfx::Picture(width, height);
  gfx::Picture page = std::exchange(spare_page_, gfx::Picture{});
  page.Fill(gfx::colors::White);
  return page;
}

Frame::Frame(Screen& screen, gfx::FontLibrary* fonts, int width, int height)
    : screen_(screen), canvas_(screen.BlankPage(width, height), fonts) {}

Frame::~Frame() {
  Copy();
  screen_.KeepPage(canvas_.ReleasePage());
}

void Frame::Copy() {
  if (copied_) return;
  copied_ = true;
  screen_.KeepFrame(canvas_.Image());
}

}  // namespace shell
