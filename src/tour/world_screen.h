#pragma once
#include "gfx/canvas.h"
#include "world/world.h"

namespace tour {

// The world map and the countries of the tour.
class TForm5 : public world::Screen {
 public:
  explicit TForm5(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image1MouseDown(button, x, y); }
  void Image1MouseDown(core::MouseButton button, int x, int y);

  // Set and read by tests and the snapshot tool; no other screen needs it.
  // The country whose details are shown, 1..20; kept for the whole run.
  int ViewedCountry = 1;

 private:
  void DrawList(gfx::Canvas& canvas) const;
  void DrawMarkers(gfx::Canvas& canvas) const;
  void DrawViewedCountry(gfx::Canvas& canvas) const;
  void DrawCrossHairs(gfx::Canvas& canvas) const;
  void DrawFacts(gfx::Canvas& canvas) const;

  void ViewCountryAt(int y);
  void BackToTeamPage();
};

}  // namespace tour
