#pragma once
#include "shell/screen.h"

namespace shell {

// The title screen and main window: the title pictures, the menu, and the watchdog that
// brings it back in its closing state whenever no screen is visible.
class TForm1 : public Screen {
 public:
  explicit TForm1(Program& program);

  int TitleState = 1;   // 1 title, 2 credits, 3 menu, 4 closing
  int TitleChoice = 0;  // 0 none, 1 New Game, 2 Continue Game

  Timer Timer2{false, 50, 0};
  void Timer2Timer();

  void Timer1Timer() override;
};

}  // namespace shell
