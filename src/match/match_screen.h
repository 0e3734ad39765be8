#pragma once
#include "match/match_context.h"
#include "match/match_drawing.h"
#include "world/world.h"

namespace match {

// The match's rules and pictures as the world holds them.
MatchContext ContextOf(world::World& world);
MatchPictures PicturesOf(const world::World& world);

// The live match: one tick draws the whole picture and moves the match on; the mouse and the
// keys only change orders between ticks.
class TForm8 : public world::Screen {
 public:
  explicit TForm8(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image1MouseDown(button, x, y); }
  void InputMouseMove(int x, int y) override { Image1MouseMove(x, y); }
  void FormKeyPress(char key) override;

  void Image1MouseDown(core::MouseButton button, int x, int y);
  void Image1MouseMove(int x, int y);

 private:
  MatchContext context_;

  void EndMatch();
  void ImprovePlayer();

  // The press's tests, in their order; the last two tell whether they used the press.
  void ToggleOrderMode(int x, int y);
  void StopAllFiring(int x, int y);
  void TogglePause(int x, int y);
  void StartSprint(int x, int y);
  bool SelectOnField(int x, int y);
  bool SelectInStrip(int x, int y);
  void OrderOnField(int x, int y);
};

}  // namespace match
