// The player's orders to the team: the buttons under the field, selecting a player on the
// field, in the strip or by key, and move or fire orders on the field.
#include "career/switch.h"
#include "match/field_model.h"
#include "match/match_screen.h"
#include "world/world.h"

namespace match {

namespace {

using core::Sound;

constexpr int kSprintStart = 50;
constexpr int kStripBand = 40;

bool Inside(int v, int low, int high) { return v > low && v < high; }

}  // namespace

void TForm8::Image1MouseDown(core::MouseButton, int x, int y) {
  ToggleOrderMode(x, y);
  StopAllFiring(x, y);
  TogglePause(x, y);
  StartSprint(x, y);
  const bool used_on_field = SelectOnField(x, y);
  const bool used_in_strip = SelectInStrip(x, y);
  if (!used_on_field && !used_in_strip) OrderOnField(x, y);
}

void TForm8::ToggleOrderMode(int x, int y) {
  if (!Inside(x, 500, 600) || !Inside(y, 480, 530)) return;
  MatchState& match = world_.Match;
  match.OrderMode = career::TurnedOver(match.OrderMode);
  world_.Career.Firing[world_.Shared.SelectedPlayer] = match.OrderMode;
  world_.Sounds.Play(Sound::Click);
}

void TForm8::StopAllFiring(int x, int y) {
  if (!Inside(x, 500, 600) || !Inside(y, 530, 550)) return;
  world_.Match.OrderMode = kMoveMode;
  for (int j = 1; j <= kTeamSize; ++j) world_.Career.Firing[j] = 0;
  world_.Sounds.Play(Sound::Click);
}

// Pausing is free; resuming locks the button for a while, longer on the harder challenges.
void TForm8::TogglePause(int x, int y) {
  if (!Inside(x, 650, 700) || !Inside(y, 480, 530) || world_.Shared.ResultClickLock >= 1) return;
  MatchState& match = world_.Match;
  match.Paused = career::TurnedOver(match.Paused);
  if (match.Paused == 0) world_.Shared.ResultClickLock = career::InInt32Range(world_.Career.Challenge * 10LL + 50);
  world_.Sounds.Play(Sound::Click);
}

void TForm8::StartSprint(int x, int y) {
  if (!Inside(x, 500, 600) || !Inside(y, 550, 580)) return;
  career::int32& sprint = world_.Career.Sprint[world_.Shared.SelectedPlayer];
  if (sprint == 0) sprint = kSprintStart;
}

// With several players in reach the highest slot ends up selected.
bool TForm8::SelectOnField(int x, int y) {
  const career::CareerRecord& career = world_.Career;
  const FieldPoint pressed = ToField({static_cast<double>(x), static_cast<double>(y)});
  bool used = false;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (Closer(pressed, career.PlayerPos[j], kReachRadius) && career.InPlay[j] == 1) {
      world_.Sounds.Play(Sound::Click);
      world_.Shared.SelectedPlayer = j;
      world_.Match.OrderMode = career.Firing[j];
      used = true;
    }
  }
  return used;
}

// Every press below the field is used here, the buttons' included.
bool TForm8::SelectInStrip(int x, int y) {
  if (!Inside(y, 440, 600)) return false;
  const career::CareerRecord& career = world_.Career;
  for (int b = 1; b <= kTeamSize; ++b) {
    if (Inside(x, kStripBand * (b - 1), kStripBand * b) && career.InPlay[b] == 1) world_.Shared.SelectedPlayer = b;
  }
  if (Inside(x, 0, kStripBand * kTeamSize)) world_.Sounds.Play(Sound::Click);
  world_.Match.OrderMode = career.Firing[world_.Shared.SelectedPlayer];
  return true;
}

void TForm8::OrderOnField(int x, int y) {
  MatchState& match = world_.Match;
  if (!Inside(x, 0, 800) || !Inside(y, 40, 440) || match.MoveBlocked != 0) return;
  career::CareerRecord& career = world_.Career;
  const int s = world_.Shared.SelectedPlayer;
  const FieldPoint pressed{static_cast<double>(x), static_cast<double>(y)};
  if (match.OrderMode == kMoveMode) {
    career.PlayerTarget[s] = ToField(pressed);
    career.Firing[s] = 0;
  }
  if (match.OrderMode == kFireMode) {
    career.AimPoint[s] = pressed;
    career.Firing[s] = 1;
  }
}

void TForm8::Image1MouseMove(int x, int y) {
  MatchState& match = world_.Match;
  match.PointerPos = world_.Career.PlayerPos[world_.Shared.SelectedPlayer];
  match.PointerInField = 0;
  if (Inside(y, 40, 440)) {
    match.PointerPos = ToField({static_cast<double>(x), static_cast<double>(y)});
    match.PointerInField = 1;
  }
}

void TForm8::FormKeyPress(char key) {
  if (key >= '1' && key <= '7') {
    world_.Shared.SelectedPlayer = key - '0';
    world_.Sounds.Play(Sound::Click);
  }
  if (key == ' ') {
    career::int32& firing = world_.Career.Firing[world_.Shared.SelectedPlayer];
    firing = career::TurnedOver(firing);
    world_.Match.OrderMode = firing;
    world_.Sounds.Play(Sound::Click);
  }
}

}  // namespace match
