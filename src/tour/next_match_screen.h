#pragma once
#include "career/career_record.h"
#include "gfx/canvas.h"
#include "world/world.h"

namespace tour {

inline constexpr int kNextMatchForm = 7;

// The line-up's pictures, which recruitment borrows; 0 where a value has no picture.
// Figures 1..4 are set A in poses 1..4, figures 5..8 set B in poses 1..4.
int FigureImage(int figure);
// The gear pictures for levels 1..6.
int GearImage(int gear_level);

// The line-up and the opposition of the next match.
class TForm7 : public world::Screen {
 public:
  explicit TForm7(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image1MouseDown(button, x, y); }
  void Image1MouseDown(core::MouseButton button, int x, int y);

  // Set and read by tests; no other screen needs it.
  // The body pose 1..4 of each slot's figure; slot 8 is the swap's scratch space.
  career::Slots<career::int32, 8> LineupPose{};

 private:
  // The tick's steps.
  void RollPoses();
  void DrawColumn(gfx::Canvas& canvas, int slot) const;
  void DrawFigure(gfx::Canvas& canvas, int slot, int x, int y) const;
  void DrawAttributes(gfx::Canvas& canvas, int slot, int a) const;
  void DrawGrid(gfx::Canvas& canvas) const;
  void DrawFlags(gfx::Canvas& canvas) const;
  void SetSurface();
  void DrawButtons(gfx::Canvas& canvas) const;
  const gfx::Picture* Own(int image) const;

  // The press's parts.
  void Play();
  void Swap(int slot);
  void CopySlot(int from, int to);
};

}  // namespace tour
