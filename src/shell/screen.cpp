#include "shell/screen.h"

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

Frame::Frame(Screen& screen, gfx::FontLibrary* fonts, int width, int height)
    : screen_(screen), canvas_(width, height, fonts) {}

Frame::~Frame() { Copy(); }

void Frame::Copy() {
  if (copied_) return;
  copied_ = true;
  screen_.KeepFrame(canvas_.Image());
}

}  // namespace shell
