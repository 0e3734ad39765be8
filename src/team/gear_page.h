#pragma once
#include <array>
#include <string_view>

#include "gfx/canvas.h"
#include "world/world.h"

namespace team {

// One marker model of the catalogue, with its rating lines as printed.
struct MarkerModel {
  std::string_view rate_of_fire;
  std::string_view accuracy;
  std::string_view reliability;
  std::string_view weight;
  std::string_view catalogue;
};

// Levels 1..6 in order.
inline constexpr std::array<MarkerModel, 6> kMarkerModels{{
    {"Rate of Fire: Low", "Accuracy: Low", "Reliability: High", "Weight: Low", "Catalog #1"},
    {"Rate of Fire: Low", "Accuracy: Medium", "Reliability: High", "Weight: High", "Catalog #2"},
    {"Rate of Fire: Medium", "Accuracy: Medium", "Reliability: Medium", "Weight: High", "Catalog #3"},
    {"Rate of Fire: Medium", "Accuracy: Medium", "Reliability: High", "Weight: High", "Catalog #4"},
    {"Rate of Fire: High", "Accuracy: High", "Reliability: Low", "Weight: Medium", "Catalog #5"},
    {"Rate of Fire: High", "Accuracy: High", "Reliability: Medium", "Weight: Medium", "Catalog #6"},
}};

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
