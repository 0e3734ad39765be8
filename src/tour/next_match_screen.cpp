#include "tour/next_match_screen.h"

#include "match/match_screen.h"
#include "match/match_start.h"
#include "shell/program.h"

namespace tour {

using shell::Sound;

TForm7::TForm7(shell::Program& program) : shell::Screen(program, 7, "Next Match") {}

void TForm7::Image1MouseDown(shell::MouseButton, int x, int y) {
  if (x > 730 && x < 800 && y > 465 && y < 535) Play();
}

void TForm7::Play() {
  program_.SwitchScreen(*this, program_.Form8());
  program_.Sounds.Play(Sound::Click);
  program_.Sounds.Stop(Sound::Drummers);
  program_.Sounds.Stop(Sound::CashRegister);
  match::StartMatch(program_);
}

}  // namespace tour
