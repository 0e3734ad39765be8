#pragma once
#include "world/world.h"

namespace tour {

// The tour victory: the trophy figure between two standing figures, each on a pedestal.
class TForm11 : public world::Screen {
 public:
  explicit TForm11(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image15MouseDown(button, x, y); }
  void Image15MouseDown(core::MouseButton button, int x, int y);

 private:
  // 1..10 once the tick has run; the tick runs from program start, so the trophy's loop
  // starts at any frame when the screen is shown.
  int TrophyFrame = 0;
};

}  // namespace tour
