#pragma once
#include "gfx/canvas.h"
#include "world/world.h"

namespace team {

// The gear page: a catalogue of the six markers, the same whatever the team carries.
class TForm6 : public world::Screen {
 public:
  explicit TForm6(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image1MouseDown(button, x, y); }
  void Image1MouseDown(core::MouseButton button, int x, int y);

 private:
  void DrawModel(gfx::Canvas& canvas, int level) const;
  void DrawGrid(gfx::Canvas& canvas) const;
};

}  // namespace team
