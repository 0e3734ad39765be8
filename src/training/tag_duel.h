#pragma once
#include "gfx/canvas.h"
#include "training/training_state.h"
#include "world/world.h"

namespace training {

// Tag-duel training: fifty seconds behind a bunker between two opponents. Leaning out to a
// side lets the trainee shoot that side's opponent, and be shot by it.
class TForm18 : public world::Screen {
 public:
  explicit TForm18(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image8MouseDown(button, x, y); }
  void InputMouseMove(int x, int y) override { Image8MouseMove(x, y); }
  void Image8MouseDown(core::MouseButton button, int x, int y);
  void Image8MouseMove(int x, int y);

 private:
  TagDuel& Duel();

  void DuelTick();
  void LeftOpponentEvents();
  void RightOpponentEvents();
  void AdvancePhases();
  void PlayOpponentsFire();
  void DrawTrainee(gfx::Canvas& canvas);
  void DrawOpponents(gfx::Canvas& canvas);
  void CountDownShots();
  void ScoreHits(gfx::Canvas& canvas);
  void TakeHits(gfx::Canvas& canvas);
  void DrawStatusLights(gfx::Canvas& canvas);
  void DrawInstructions(gfx::Canvas& canvas);
  void DrawCounts(gfx::Canvas& canvas);
  void DrawZoneLines(gfx::Canvas& canvas);
  void PenaliseCover();
  void DrawBars(gfx::Canvas& canvas);
  void Reward();
};

}  // namespace training
