#include "app/program.h"

#include <algorithm>
#include <exception>

#include "app/options_screen.h"
#include "app/title_screen.h"
#include "help/help_screen.h"
#include "match/match_screen.h"
#include "team/gear_page.h"
#include "team/recruitment_screen.h"
#include "team/team_building_screen.h"
#include "team/team_page.h"
#include "tour/next_match_screen.h"
#include "tour/result_screen.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"
#include "tour/world_screen.h"
#include "training/speed_training.h"
#include "training/tag_duel.h"
#include "training/target_shooting.h"
#include "training/training_menu.h"

namespace app {

using core::kPictureHeight;
using core::kPictureWidth;

using core::EditKey;
using core::MouseButton;
using core::Screen;
using core::Timer;

Program::Program(core::Host& host) : Program(host, std::make_shared<gfx::FontLibrary>()) {}

Program::Program(core::Host& host, std::shared_ptr<gfx::FontLibrary> fonts) : World(host, std::move(fonts)) {
  CreateScreens();
}

Program::~Program() = default;

template <typename T>
T* Program::Create() {
  auto screen = std::make_unique<T>(*this);
  T* const made = screen.get();
  screens_.push_back(made);
  owned_screens_.push_back(std::move(screen));
  return made;
}

void Program::CreateScreens() {
  form1_ = Create<TForm1>();
  form2_ = Create<team::TForm2>();
  form3_ = Create<TForm3>();
  form4_ = Create<team::TForm4>();
  form5_ = Create<tour::TForm5>();
  form6_ = Create<team::TForm6>();
  form7_ = Create<tour::TForm7>();
  form8_ = Create<match::TForm8>();
  form9_ = Create<tour::TForm9>();
  form10_ = Create<tour::TForm10>();
  form11_ = Create<tour::TForm11>();
  form12_ = Create<team::TForm12>();
  form13_ = Create<help::TForm13>();
  form16_ = Create<training::TForm16>();
  form17_ = Create<training::TForm17>();
  form18_ = Create<training::TForm18>();
  form19_ = Create<training::TForm19>();
}

std::string Program::Start() {
  auto pictures = std::make_shared<core::PictureStore>();
  const std::string failed = pictures->LoadAll(host_.ProgramFolder() + "/pictures");
  if (!failed.empty()) return failed;
  return Start(std::move(pictures));
}

std::string Program::Start(std::shared_ptr<const core::PictureStore> pictures) {
  const std::string missing_sound = Sounds.Open(WorkingFolder());
  if (!missing_sound.empty()) return "Cannot open the sound file " + missing_sound;
  const std::string missing_font = fonts_->Loaded() ? "" : fonts_->LoadFrom(host_.ProgramFolder() + "/fonts");
  if (!missing_font.empty()) return "Cannot load the font " + missing_font;
  pictures_ = std::move(pictures);
  now_ = host_.NowMs();
  Rng.Reseed(static_cast<std::uint32_t>(now_));
  Form1().Show();
  EnableTick(Form1());
  EnableTick(Form11());
  Form1().Timer2.Enabled = true;
  Form1().Timer2.Due = now_ + Form1().Timer2.Interval;
  UpdateWindow();
  return {};
}

void Program::FireWhenDue(Timer& timer, const std::function<void()>& tick) {
  if (!timer.Enabled || now_ < timer.Due) return;
  timer.Due = now_ + static_cast<std::uint64_t>(timer.Interval);
  Guarded(tick);
}

void Program::Advance(std::uint64_t now_ms) {
  now_ = now_ms;
  if (pictures_) pictures_->Trim();
  FireWhenDue(Form1().Timer2, [this] { Form1().Timer2Timer(); });
  for (Screen* screen : screens_) {
    FireWhenDue(screen->Timer1, [this, screen] {
      if (screen == VisibleScreen()) ++ticks_shown_;
      screen->Timer1Timer();
    });
  }
  UpdateWindow();
  ReportDamagedPictures();
}

// A picture whose file passed the start but does not decode is told as a missing one is,
// once, when a screen first needs it.
void Program::ReportDamagedPictures() {
  if (!pictures_) return;
  for (const std::string& file : pictures_->TakeDamaged()) ReportError("Cannot load the picture " + file);
}

std::optional<std::uint64_t> Program::NextDue(std::uint64_t gather_ms) const {
  std::vector<const Timer*> running;
  if (form1_->Timer2.Enabled) running.push_back(&form1_->Timer2);
  for (const Screen* screen : screens_) {
    if (screen->Timer1.Enabled) running.push_back(&screen->Timer1);
  }
  if (running.empty()) return std::nullopt;
  std::uint64_t earliest = running.front()->Due;
  for (const Timer* timer : running) earliest = std::min(earliest, timer->Due);
  std::uint64_t last = earliest;
  for (const Timer* timer : running) {
    if (timer->Due - earliest <= gather_ms) last = std::max(last, timer->Due);
  }
  return last;
}

void Program::ReportError(const std::string& text) {
  // The box stands over the screen that is showing now, with its caption.
  UpdateWindow();
  const bool ends_in_stop = !text.empty() && text.back() == '.';
  host_.ShowError(core::kProgramTitle, ends_in_stop ? text : text + ".");
}

core::InputRouter::Origin Program::PictureOrigin() const {
  const core::WindowSize window = host_.ClientSize();
  return {window.width / 2 - kPictureWidth / 2, window.height / 2 - kPictureHeight / 2};
}

void Program::MouseDown(int x, int y, MouseButton button) {
  const auto run = [this](const std::function<void()>& handler) { Guarded(handler); };
  if (Screen* screen = VisibleScreen()) {
    if (screen->DrawsWholeWindow()) {
      run([&] { screen->WindowMouseDown(button, x, y); });
    } else {
      input_.MouseDown(*screen, PictureOrigin(), x, y, button, run);
    }
  }
  UpdateWindow();
}

void Program::MouseUp(int x, int y, MouseButton button) {
  const auto run = [this](const std::function<void()>& handler) { Guarded(handler); };
  Screen* screen = VisibleScreen();
  if (screen && screen->DrawsWholeWindow()) {
    run([&] { screen->WindowMouseUp(button, x, y); });
  } else {
    input_.MouseUp(screen, PictureOrigin(), x, y, button, run);
  }
  UpdateWindow();
}

void Program::MouseMove(int x, int y) {
  const auto run = [this](const std::function<void()>& handler) { Guarded(handler); };
  if (Screen* screen = VisibleScreen()) {
    if (screen->DrawsWholeWindow()) {
      run([&] { screen->WindowMouseMove(x, y); });
    } else {
      input_.MouseMove(*screen, PictureOrigin(), x, y, run);
    }
  }
  UpdateWindow();
}

void Program::KeyPress(char key) {
  if (Screen* screen = VisibleScreen()) Guarded([&] { screen->FormKeyPress(key); });
  UpdateWindow();
}

void Program::EditKeyPress(EditKey key) {
  if (Screen* screen = VisibleScreen()) Guarded([&] { screen->WindowEditKey(key); });
  UpdateWindow();
}

void Program::Wheel(int x, int y, int steps) {
  if (Screen* screen = VisibleScreen()) Guarded([&] { screen->WindowWheel(x, y, steps); });
  UpdateWindow();
}

void Program::Swipe(int from_x, int from_y, int dy) {
  Screen* screen = VisibleScreen();
  if (screen && screen->DrawsWholeWindow()) Guarded([&] { screen->WindowSwipe(from_x, from_y, dy); });
  UpdateWindow();
}

bool Program::CloseWindow() {
  Screen* screen = VisibleScreen();
  if (!screen || screen == form1_) {
    host_.Quit();
    return true;
  }
  screen->Hide();
  UpdateWindow();
  return false;
}

void Program::FrameChanged(Screen& screen) {
  if (&screen == VisibleScreen()) frame_dirty_ = true;
}

void Program::UpdateWindow() {
  const Screen* screen = VisibleScreen();
  if (!screen) return;
  if (!window_known_ || screen->Caption() != caption_shown_) host_.SetCaption(caption_shown_ = screen->Caption());
  if (!window_known_ || screen->Bordered != bordered_shown_) host_.SetBordered(bordered_shown_ = screen->Bordered);
  if (!window_known_ || screen->Background != background_shown_) host_.SetBackground(background_shown_ = screen->Background);
  window_known_ = true;
  if (screen != presented_screen_) frame_dirty_ = true;
  presented_screen_ = screen;
  if (!frame_dirty_ || !screen->LastFrame()) return;
  frame_dirty_ = false;
  if (screen->DrawsWholeWindow()) {
    host_.Present(*screen->LastFrame(), 0, 0);
  } else {
    host_.Present(*screen->LastFrame(), PictureOrigin().left, PictureOrigin().top);
  }
}

}  // namespace app
