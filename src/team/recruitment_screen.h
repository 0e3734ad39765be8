#pragma once
#include "gfx/canvas.h"
#include "world/world.h"

namespace team {

struct Recruit;

// Recruitment: ten free agents, one on show, hired for cash into the selected slot.
class TForm12 : public world::Screen {
 public:
  explicit TForm12(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image11MouseDown(button, x, y); }
  void Image11MouseDown(core::MouseButton button, int x, int y);

  // Set and read by tests and the snapshot tool; no other screen needs them.
  int RecruitIndex = 1;  // 1..10, the recruit on show; kept from one visit to the next
  int RevealRow = 0;     // 0..600, how far down the photo is uncovered

 private:
  bool OnShowIsHired() const;

  void DrawRecruit(gfx::Canvas& canvas) const;
  void DrawRecruitMarkerAndPrice(gfx::Canvas& canvas) const;
  void WipePhoto(gfx::Canvas& canvas);
  void DrawButtons(gfx::Canvas& canvas) const;
  void DrawReplacingBox(gfx::Canvas& canvas) const;
  void DrawReplacedPlayer(gfx::Canvas& canvas) const;

  void ShowNextRecruit();
  void Cancel();
  void ReplaceNextSlot();
  void Hire();
  void OverwriteSlot(int slot, const Recruit& recruit);
};

}  // namespace team
