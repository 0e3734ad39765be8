#include "shell/title_screen.h"

#include "shell/program.h"

namespace shell {

TForm1::TForm1(Program& program) : Screen(program, 1, kProgramTitle, InputPicture{793, 593}) {}

void TForm1::Timer2Timer() {
  program_.Rng.Reseed(static_cast<std::uint32_t>(program_.GetHost().NowMs()));
  for (const Screen* screen : program_.Screens()) {
    if (screen->Visible()) return;
  }
  for (Screen* screen : program_.Screens()) {
    if (screen != this) program_.DisableTick(*screen);
  }
  program_.EnableTick(*this);
  TitleState = 4;
  Show();
  program_.Sounds.StopAll();
}

void TForm1::Timer1Timer() {
  Frame frame(*this, &program_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  constexpr int kPictureOfState[] = {0, 1, 2, 4, 3};
  if (TitleState >= 1 && TitleState <= 4) canvas.Draw(0, 0, program_.Picture(1, kPictureOfState[TitleState]));
  frame.Copy();
  if (TitleState == 4) Bordered = true;
}

}  // namespace shell
