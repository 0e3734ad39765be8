#pragma once
#include "gfx/canvas.h"
#include "world/world.h"

namespace tour {

// Where the flight comes to rest: the airliner off the picture, the band across it.
inline constexpr int kPlaneLastX = 800;
inline constexpr int kTravelBandLast = 801;

// The flight to the next country.
class TForm10 : public world::Screen {
 public:
  explicit TForm10(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image2MouseDown(button, x, y); }
  void Image2MouseDown(core::MouseButton button, int x, int y);

  int PlaneX = -300;    // x of the airliner picture
  int TravelBand = 0;   // 0..801, the animation clock

 private:
  void MoveOn();
  void DrawBandEdges(gfx::Canvas& canvas) const;
  void DrawBand(gfx::Canvas& canvas) const;
  void DrawCountries(gfx::Canvas& canvas) const;
  void DrawCountryNames(gfx::Canvas& canvas) const;
};

}  // namespace tour
