#include "shell/screen.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "shell/program.h"

namespace shell {

namespace {

// Pages of screens that are gone, for the screens of a program made after them: a program
// made anew does not wait for fresh memory on each screen's first tick.
constexpr std::size_t kPagesKept = 40;

std::vector<gfx::Picture>& PagesOfGoneScreens() {
  // Never destroyed: a screen may outlive the other statics at the program's exit.
  static auto* const pages = new std::vector<gfx::Picture>;
  return *pages;
}

void GiveBackPage(gfx::Picture page) {
  std::vector<gfx::Picture>& pages = PagesOfGoneScreens();
  if (page.Width() > 0 && pages.size() < kPagesKept) pages.push_back(std::move(page));
}

// A page of the size asked for, its pixels as the last user left them.
gfx::Picture UsedOrNewPage(int width, int height) {
  std::vector<gfx::Picture>& pages = PagesOfGoneScreens();
  const auto same_size = std::find_if(pages.begin(), pages.end(), [&](const gfx::Picture& page) { return page.Width() == width && page.Height() == height; });
  if (same_size == pages.end()) return gfx::Picture(width, height);
  gfx::Picture page = std::move(*same_size);
  pages.erase(same_size);
  return page;
}

bool SameSize(const gfx::Picture& a, const gfx::Picture& b) { return a.Width() == b.Width() && a.Height() == b.Height(); }

}  // namespace

Screen::Screen(Program& program, int number, std::string caption, InputPicture input)
    : program_(program), number_(number), caption_(std::move(caption)), input_(input) {}

Screen::~Screen() {
  GiveBackPage(std::move(spare_page_));
  if (last_frame_) GiveBackPage(std::move(*last_frame_));
}

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
  if (!last_frame_ || !SameSize(*last_frame_, frame)) {
    if (last_frame_) GiveBackPage(std::move(*last_frame_));
    last_frame_.emplace(UsedOrNewPage(frame.Width(), frame.Height()));
  }
  std::memcpy(last_frame_->Row(0), frame.Row(0), frame.Pixels().size() * sizeof(std::uint32_t));
  program_.FrameChanged(*this);
}

void Screen::KeepFrame(gfx::Picture&& frame) {
  if (last_frame_) {
    KeepPage(std::exchange(*last_frame_, std::move(frame)));
  } else {
    last_frame_.emplace(std::move(frame));
  }
  program_.FrameChanged(*this);
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
    : screen_(screen), canvas_(screen.BlankPage(width, height), fonts) {}

Frame::~Frame() {
  if (copied_) {
    screen_.KeepPage(canvas_.ReleasePage());
  } else {
    copied_ = true;
    screen_.KeepFrame(canvas_.ReleasePage());
  }
}

void Frame::Copy() {
  if (copied_) return;
  copied_ = true;
  screen_.KeepFrame(canvas_.Image());
}

}  // namespace shell
