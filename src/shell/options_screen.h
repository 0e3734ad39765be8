#pragma once
#include "shell/screen.h"

namespace shell {

inline constexpr int kCountryCount = 20;

// The home country's flag and name label, numbered 1..20; the team-building screen, the team
// page and the world screen draw them too. Outside 1..20 there is no picture (0).
int CountryFlagImage(int country);
int CountryLabelImage(int country);

// The options of a new career: home country, challenge, weather and technology.
class TForm3 : public Screen {
 public:
  explicit TForm3(Program& program);

  void Timer1Timer() override;
  void Image12MouseDown(MouseButton button, int x, int y);

  void InputMouseDown(MouseButton button, int x, int y) override { Image12MouseDown(button, x, y); }

 private:
  void DrawOptions(gfx::Canvas& canvas) const;
  void LeaveForTeamBuilding();
  void PayStartingBonus();
};

}  // namespace shell
