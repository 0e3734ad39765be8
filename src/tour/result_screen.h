#pragma once
#include "core/sound_bank.h"
#include "gfx/canvas.h"
#include "tour/scoring.h"
#include "world/world.h"

namespace tour {

// The match result: the team's statistics, the score sheet of both teams and the prize.
class TForm9 : public world::Screen {
 public:
  explicit TForm9(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image3MouseDown(button, x, y); }
  void Image3MouseDown(core::MouseButton button, int x, int y);

 private:
  // Worked out afresh on every tick from the finished match.
  MatchResult Result;  // OwnScore, OppScore and PrizeMoney
  int32 MatchLost = 0;

  // The tick's drawing and rules, in the order they are kept.
  void DrawTeamLabels(gfx::Canvas& canvas) const;
  void DrawPlayerColumn(gfx::Canvas& canvas, int slot) const;
  void DrawImprovement(gfx::Canvas& canvas) const;
  void DrawOwnSide(gfx::Canvas& canvas, const MatchCounts& counts) const;
  void DrawPrize(gfx::Canvas& canvas) const;
  void DrawOppositionSide(gfx::Canvas& canvas, const MatchCounts& counts) const;
  void CountDownClickLock();
  void PlayVictory(gfx::Canvas& canvas);
  void PlayDefeat(gfx::Canvas& canvas);
  void StartJingle(core::Sound sound) const;

  void Continue();
};

}  // namespace tour
