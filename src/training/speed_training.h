#pragma once
#include "gfx/canvas.h"
#include "training/training_state.h"
#include "world/world.h"

namespace training {

// Speed training: fifty seconds of releasing the left and right mouse buttons in turn; the
// average running speed decides how much speed and endurance the player gains.
class TForm17 : public world::Screen {
 public:
  explicit TForm17(world::World& world);

  void Timer1Timer() override;
  void InputMouseUp(core::MouseButton button, int x, int y) override { Image10MouseUp(button, x, y); }
  void Image10MouseUp(core::MouseButton button, int x, int y);

 private:
  SpeedRun& Run();

  // One tick of the run; returns the average it shows.
  int RunTick();
  void AdvanceRunner();
  void DrawAxes(gfx::Canvas& canvas);
  void DrawGraph(gfx::Canvas& canvas);
  void DrawDot(gfx::Canvas& canvas);
  void RecordSpeed();
  void Decay();
  int Average();
  void DrawInstructions(gfx::Canvas& canvas);
  void DrawAverage(gfx::Canvas& canvas, int average);
  void DrawTimer(gfx::Canvas& canvas);
  void Reward(int average);
};

}  // namespace training
