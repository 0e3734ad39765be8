#pragma once
#include "career/career_record.h"
#include "gfx/canvas.h"
#include "world/world.h"

namespace team {

enum class MenuItem;

// Picture numbers of the pictures the team page draws, 0 when a value has no picture.
int MarkerImage(int gear_level);        // the team page's own markers, levels 1..6
int SmallPortraitImage(int portrait);   // the next-match screen's small portraits

// Speed, Endurance, Agility and Accuracy of the team's seven players at most 20; training
// may raise them above it in between.
void CapAttributes(career::CareerRecord& career);

inline constexpr int kTeamPageForm = 4;
inline constexpr int kTeamBuildingForm = 2;
inline constexpr int kOptionsForm = 3;

// The team page, the hub between matches.
class TForm4 : public world::Screen {
 public:
  explicit TForm4(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image1MouseDown(button, x, y); }
  void InputMouseMove(int x, int y) override { Image1MouseMove(x, y); }

  void Image1MouseDown(core::MouseButton button, int x, int y);
  void Image1MouseMove(int x, int y);

 private:
  // The tick's rules, in the order they are kept.
  void ClampLowTechGear();
  void StopJingles();
  void HandOverToVictory();
  void ClampAttributes();
  void KeepMusic();
  void SkipHomeCountry();
  bool TourFinished() const;

  // The tick's drawing.
  void DrawIcons(gfx::Canvas& canvas) const;
  void DrawTeamTable(gfx::Canvas& canvas) const;
  void DrawPlayerRow(gfx::Canvas& canvas, int slot) const;
  void DrawSelectedPortrait(gfx::Canvas& canvas) const;
  void DrawRightOutlines(gfx::Canvas& canvas) const;
  void DrawSelectedMarker(gfx::Canvas& canvas) const;
  void DrawMoney(gfx::Canvas& canvas) const;
  void DrawCareerStatistics(gfx::Canvas& canvas) const;
  void DrawCountries(gfx::Canvas& canvas) const;
  void DrawHoverText(gfx::Canvas& canvas) const;

  // The press's parts.
  void SelectPlayerAt(int y);
  void CarryOut(MenuItem item);
  void OpenWorld();
  void OpenGear();
  void TrainPlayer();
  void UpgradeGear();
  void BuyPaint();
  void ToggleMusic();
  void OpenRecruitment();
  void ExitGame();
  void OpenHelp();
  void NextMatch();

  int GearCeiling() const;
};

}  // namespace team
