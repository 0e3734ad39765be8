#pragma once
#include <cstdint>
#include <string>

#include "world/world.h"

namespace team {

struct KeyRow;

// The team-building screen: a face and, if wanted, a new name for each player of a new team.
class TForm2 : public world::Screen {
 public:
  explicit TForm2(world::World& world);

  void Timer1Timer() override;
  void Image2MouseDown(core::MouseButton button, int x, int y);

  void InputMouseDown(core::MouseButton button, int x, int y) override { Image2MouseDown(button, x, y); }

  // Set and read by tests and the snapshot tool; no other screen needs them.
  int EditPortrait = 0;    // the portrait shown and edited, 0..20
  int PortraitLoaded = 0;  // 1 from the first tick of the run on
  int BodyPose = 1;        // 1..4, the full figure drawn
  int Renaming = 0;        // 1 while the on-screen keyboard is open
  std::string NameBuffer;  // the name being typed, at most 20 characters
  int KeyCount = 0;        // presses counted while typing, at most 10

 private:
  // The tick's drawing.
  void DrawNumberButtons(gfx::Canvas& canvas) const;
  void DrawPlayer(gfx::Canvas& canvas) const;
  void DrawAttributes(gfx::Canvas& canvas) const;
  void DrawFigure(gfx::Canvas& canvas) const;
  void DrawPortraitButtons(gfx::Canvas& canvas) const;
  void DrawKeyboard(gfx::Canvas& canvas) const;
  void DrawMarkerAndCompletion(gfx::Canvas& canvas) const;

  // The press's tests, in the order they are applied.
  void AdvancePose();
  void SelectPlayerAt(int x, int y);
  void BrowsePortraitsAt(int x, int y);
  void StartRenamingAt(int x, int y);
  void CompleteTeamAt(int x, int y);
  void TypeAt(int x, int y);
  void TypeLetterRow(const KeyRow& row, int x, int y);
  void TypeSpace(int x, int y);
  void ClearName(int x, int y);
  void AcceptName(int x, int y);

  void Append(char character);
  void Click();
  std::int32_t& SelectedPortrait();
};

}  // namespace team
