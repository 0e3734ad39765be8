#include "app/title_screen.h"

#include <string>

#include "app/new_career.h"
#include "app/options_screen.h"
#include "app/program.h"
#include "team/team_page.h"

namespace app {

using core::Frame;
using core::Screen;
using core::Sound;

namespace {

constexpr const char* kVersionText = "1.1a 22 May 2004";

constexpr int kMenuState = 3;
constexpr int kClosingState = 4;

constexpr int kNoChoice = 0;
constexpr int kNewGame = 1;
constexpr int kContinueGame = 2;

// The picture of each title state; the menu picture is Image4 and the closing one Image3.
constexpr int kPictureOfState[] = {0, 1, 2, 4, 3};

bool InButtonColumn(int x) { return 405 < x && x < 686; }
bool OnNewGame(int y) { return 161 < y && y < 231; }
bool OnContinueGame(int y) { return 250 < y && y < 318; }

}  // namespace

TForm1::TForm1(Program& program) : world::Screen(program, 1, core::kProgramTitle, core::InputPicture{793, 593}), program_(program) {}

void TForm1::Timer2Timer() {
  // The program's own clock, which drives every tick: a recording of play replays exactly.
  program_.Rng.Reseed(static_cast<std::uint32_t>(program_.Now()));
  for (const core::Screen* screen : program_.Screens()) {
    if (screen->Visible()) return;
  }
  for (core::Screen* screen : program_.Screens()) {
    if (screen != this) program_.DisableTick(*screen);
  }
  program_.EnableTick(*this);
  TitleState = 4;
  Show();
  program_.Sounds.StopAll();
}

void TForm1::Timer1Timer() {
  Frame frame(*this, &program_.Fonts());
  program_.Sounds.Play(Sound::Victory);
  DrawTitle(frame.Canvas());
  frame.Copy();
  if (TitleState == kClosingState) Bordered = true;
  CarryOutTitleChoice();
}

void TForm1::DrawTitle(gfx::Canvas& canvas) const {
  if (TitleState >= 1 && TitleState <= kClosingState) canvas.Draw(0, 0, program_.Picture(1, kPictureOfState[TitleState]));
  canvas.TextOut(350, 580, std::string("Version: ") + kVersionText);
}

void TForm1::CarryOutTitleChoice() {
  if (TitleChoice == kNewGame) StartNewCareer();
  if (TitleChoice == kContinueGame) ContinueSavedCareer();
}

void TForm1::StartNewCareer() {
  program_.SwitchScreen(*this, program_.Form3());
  TitleChoice = kNoChoice;
  StartFreshCareer(program_, FreshAttributes::Equal);
}

void TForm1::ContinueSavedCareer() {
  program_.SwitchScreen(*this, program_.Form4());
  program_.Sounds.Stop(Sound::Victory);
  TitleChoice = kNoChoice;
  StartFreshCareer(program_, FreshAttributes::Drawn);
  program_.LoadCareer();
}

void TForm1::Image5MouseDown(MouseButton, int x, int y) {
  if (TitleState != kMenuState || !InButtonColumn(x)) return;
  if (OnNewGame(y)) TitleChoice = kNewGame;
  if (OnContinueGame(y)) TitleChoice = kContinueGame;
  program_.Sounds.Play(Sound::Click);
}

void TForm1::Image5Click(int, int) {
  if (TitleState < kMenuState) ++TitleState;
  program_.Sounds.Play(Sound::Click);
}

}  // namespace app
