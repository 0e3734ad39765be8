#pragma once
#include "world/world.h"

namespace app {

class Program;
using core::MouseButton;
using core::Timer;

// The title screen and main window: the title pictures, the menu, and the watchdog that
// brings it back in its closing state whenever no screen is visible.
class TForm1 : public world::Screen {
 public:
  explicit TForm1(Program& program);

  Timer Timer2{false, 50, 0};
  void Timer2Timer();

  void Timer1Timer() override;
  void Image5MouseDown(MouseButton button, int x, int y);
  void Image5Click(int x, int y);

  void InputMouseDown(MouseButton button, int x, int y) override { Image5MouseDown(button, x, y); }
  void InputClick(int x, int y) override { Image5Click(x, y); }

  // Set and read by tests and the tools that play the game; no other screen needs them.
  int TitleState = 1;   // 1 title, 2 credits, 3 menu, 4 closing
  int TitleChoice = 0;  // 0 none, 1 New Game, 2 Continue Game

 private:
  Program& program_;

  void DrawTitle(gfx::Canvas& canvas) const;
  void CarryOutTitleChoice();
  void StartNewCareer();
  void ContinueSavedCareer();
};

}  // namespace app
