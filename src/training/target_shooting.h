#pragma once
#include "gfx/canvas.h"
#include "training/training_state.h"
#include "world/world.h"

namespace training {

// The points a ball scores by how far from the target centre it lands, in scene pixels on
// each axis: 2 for each square ring it lies within.
int LandingScore(int miss_x, int miss_y);

// Target-shooting training: ten paintballs through a drifting scope, against wind and drop.
class TForm19 : public world::Screen {
 public:
  explicit TForm19(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image2MouseDown(button, x, y); }
  void InputMouseMove(int x, int y) override { Image2MouseMove(x, y); }
  void Image2MouseDown(core::MouseButton button, int x, int y);
  void Image2MouseMove(int x, int y);

 private:
  TargetRange& Range();

  void ShootingTick();
  void Drift();
  void DrawScene(gfx::Canvas& canvas);
  void DrawMask(gfx::Canvas& canvas);
  void FlyBall(gfx::Canvas& canvas);
  void ClearAroundScope(gfx::Canvas& canvas);
  void DrawScopeFurniture(gfx::Canvas& canvas);
  void DrawWindage(gfx::Canvas& canvas);
  void DrawMagnifiedTarget(gfx::Canvas& canvas);
  void Land();
  void DrawLandingMark(gfx::Canvas& canvas);
  void Reload();
  void DrawScore(gfx::Canvas& canvas);
  void Reward();
};

}  // namespace training
