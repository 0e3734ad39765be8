#pragma once
#include "world/world.h"

namespace app {

class Program;
using core::MouseButton;

// The options of a new career: home country, challenge, weather and technology.
class TForm3 : public world::Screen {
 public:
  explicit TForm3(Program& program);

  void Timer1Timer() override;
  void Image12MouseDown(MouseButton button, int x, int y);

  void InputMouseDown(MouseButton button, int x, int y) override { Image12MouseDown(button, x, y); }

 private:
  Program& program_;

  void DrawOptions(gfx::Canvas& canvas) const;
  void LeaveForTeamBuilding();
  void PayStartingBonus();
};

}  // namespace app
