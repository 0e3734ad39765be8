#include "tour/next_match_screen.h"

#include <array>
#include <string>

#include "match/match_screen.h"
#include "match/match_start.h"
#include "team/team_page.h"
#include "world/country_pictures.h"
#include "world/world.h"

namespace tour {

namespace {

using career::CareerRecord;
using core::Sound;

constexpr int kLineupSize = 7;
constexpr int kSwapButtons = 6;
constexpr int kPoseCount = 4;
constexpr int kOptionsForm = 3;
constexpr int kTitleImage = 10;
constexpr int kSwapImage = 11;
constexpr int kVsImage = 12;
constexpr int kPlayImage = 44;
constexpr int kScratchSlot = 8;

constexpr int kFirstSetAFigure = 1;
constexpr int kFirstSetBFigure = kFirstSetAFigure + kPoseCount;

// A pose roll above this changes the pose: 9 chances in 100 per tick.
constexpr int kPoseChangeAbove = 90;

constexpr std::array<int, 21> kSurfaceOfStage = {0, 1, 2, 1, 3, 1, 3, 1, 1, 1, 2, 4, 2, 1, 1, 1, 1, 4, 1, 2, 2};
constexpr std::array<int, 5> kSurfaceImage = {0, 2, 3, 42, 43};

// Everything that makes a player, moved by SWAP; the career statistics stay with the slot.
using SlotNumbers = career::Slots<career::int32, 8> CareerRecord::*;
constexpr std::array<SlotNumbers, 9> kPlayerFields = {
    &CareerRecord::Portrait, &CareerRecord::Speed,     &CareerRecord::Endurance,
    &CareerRecord::Agility,  &CareerRecord::Accuracy,  &CareerRecord::Paint,
    &CareerRecord::GearLevel, &CareerRecord::SpareStat, &CareerRecord::Occupation};

bool ValidPose(int pose) { return pose >= 1 && pose <= kPoseCount; }
int SetAFigure(int pose) { return ValidPose(pose) ? FigureImage(kFirstSetAFigure + pose - 1) : 0; }
int SetBFigure(int pose) { return ValidPose(pose) ? FigureImage(kFirstSetBFigure + pose - 1) : 0; }
int SurfaceImage(int surface) {
  return surface >= 1 && surface < static_cast<int>(kSurfaceImage.size()) ? kSurfaceImage[surface] : 0;
}

// Mexico's and the Netherlands' flags stand 50 pixels further left.
int StageFlagX(int stage) { return stage == 12 || stage == 13 ? 300 : 350; }

bool OnPlay(int x, int y) { return x > 730 && x < 800 && y > 465 && y < 535; }
bool OnSwap(int k, int x, int y) { return x > 100 * k && x < 100 * k + 100 && y > 402 && y < 427; }

// The play surface of each country of the tour; 0 outside the tour.
int StageSurface(int stage) {
  return stage >= 1 && stage < static_cast<int>(kSurfaceOfStage.size()) ? kSurfaceOfStage[stage] : 0;
}

}  // namespace

int FigureImage(int figure) { return figure >= 1 && figure <= 2 * kPoseCount ? figure + 33 : 0; }

int GearImage(int gear_level) { return gear_level >= 1 && gear_level <= 6 ? gear_level + 3 : 0; }

TForm7::TForm7(world::World& world) : world::Screen(world, kNextMatchForm, "Next Match") {}

const gfx::Picture* TForm7::Own(int image) const { return world_.Picture(kNextMatchForm, image); }

void TForm7::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(45, 0, Own(kTitleImage));
  RollPoses();
  for (int slot = 1; slot <= kLineupSize; ++slot) DrawColumn(canvas, slot);
  DrawGrid(canvas);
  DrawFlags(canvas);
  SetSurface();
  canvas.Draw(600, 450, Own(SurfaceImage(world_.Shared.Surface)));
  DrawButtons(canvas);
  frame.Copy();
}

void TForm7::RollPoses() {
  for (int slot = 1; slot <= kLineupSize; ++slot) {
    const int roll = world_.Rng(100);
    if (!ValidPose(LineupPose[slot])) LineupPose[slot] = 1;
    if (roll > kPoseChangeAbove) LineupPose[slot] = world_.Rng(kPoseCount) + 1;
  }
}

void TForm7::DrawColumn(gfx::Canvas& canvas, int slot) const {
  const CareerRecord& career = world_.Career;
  const int a = 100 * slot;
  DrawFigure(canvas, slot, a - 50, 50);
  canvas.Draw(a - 50, 290, Own(GearImage(career.GearLevel[slot])));
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 9;
  canvas.Font.Color = gfx::colors::Red;
  canvas.TextOut(a - 47, 365, career.PlayerName[slot].Get());
  DrawAttributes(canvas, slot, a);
  canvas.Draw(a - 11, 246, Own(team::SmallPortraitImage(career.Portrait[slot])));
}

// Portraits -1 and 1..10 stand as set A, 0 and 11..21 as set B.
void TForm7::DrawFigure(gfx::Canvas& canvas, int slot, int x, int y) const {
  const int portrait = world_.Career.Portrait[slot];
  const int pose = LineupPose[slot];
  if (portrait < 11) canvas.Draw(x, y, Own(SetAFigure(pose)));
  if (portrait > 10) canvas.Draw(x, y, Own(SetBFigure(pose)));
  if (portrait == 0) canvas.Draw(x, y, Own(SetBFigure(pose)));
}

void TForm7::DrawAttributes(gfx::Canvas& canvas, int slot, int a) const {
  const CareerRecord& career = world_.Career;
  canvas.Font.Color = slot % 2 == 0 ? gfx::colors::Green : gfx::colors::Blue;
  canvas.TextOut(a - 47, 385, std::to_string(career.Speed[slot]));
  canvas.TextOut(a - 22, 385, std::to_string(career.Endurance[slot]));
  canvas.TextOut(a + 3, 385, std::to_string(career.Agility[slot]));
  canvas.TextOut(a + 28, 385, std::to_string(career.Accuracy[slot]));
  canvas.Font.Color = gfx::colors::Black;
  canvas.Font.Size = 6;
  canvas.TextOut(a - 47, 378, "SPD");
  canvas.TextOut(a - 22, 378, "END");
  canvas.TextOut(a + 3, 378, "AGIL");
  canvas.TextOut(a + 28, 378, "ACC");
}

void TForm7::DrawGrid(gfx::Canvas& canvas) const {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{50, 40}, {750, 40}, {750, 399}, {50, 399}, {50, 40}});
  for (int x = 150; x <= 650; x += 100) canvas.Polyline({{x, 40}, {x, 399}});
  canvas.Polyline({{50, 361}, {750, 361}});
  canvas.Polyline({{50, 292}, {750, 292}});
}

void TForm7::DrawFlags(gfx::Canvas& canvas) const {
  const auto flag = [this](int country) { return world_.Picture(kOptionsForm, world::CountryFlagImage(country)); };
  const int stage = world_.Career.TourStage;
  canvas.Draw(50, 400, flag(world_.Career.HomeCountry));
  canvas.Draw(250, 490, Own(kVsImage));
  canvas.Draw(StageFlagX(stage), 400, flag(stage));
}

// A stage outside the tour leaves the surface as it was.
void TForm7::SetSurface() {
  if (const int surface = StageSurface(world_.Career.TourStage)) world_.Shared.Surface = surface;
}

void TForm7::DrawButtons(gfx::Canvas& canvas) const {
  canvas.Draw(730, 465, Own(kPlayImage));
  for (int k = 1; k <= kSwapButtons; ++k) canvas.Draw(100 * k, 402, Own(kSwapImage));
}

void TForm7::Image1MouseDown(core::MouseButton, int x, int y) {
  if (OnPlay(x, y)) Play();
  for (int k = 1; k <= kSwapButtons; ++k) {
    if (OnSwap(k, x, y)) Swap(k);
  }
}

void TForm7::Play() {
  world_.SwitchScreen(*this, world_.Form8());
  world_.Sounds.Play(Sound::Click);
  world_.Sounds.Stop(Sound::Drummers);
  world_.Sounds.Stop(Sound::CashRegister);
  match::MatchContext context = match::ContextOf(world_);
  match::StartMatch(context);
}

// Slot k and slot k + 1 change places through the scratch slot 8, which keeps a copy of the
// player now in slot k + 1.
void TForm7::Swap(int slot) {
  world_.Sounds.Play(Sound::Click);
  CopySlot(slot, kScratchSlot);
  CopySlot(slot + 1, slot);
  CopySlot(kScratchSlot, slot + 1);
}

void TForm7::CopySlot(int from, int to) {
  CareerRecord& career = world_.Career;
  career.PlayerName[to] = career.PlayerName[from];
  for (const SlotNumbers field : kPlayerFields) (career.*field)[to] = (career.*field)[from];
  LineupPose[to] = LineupPose[from];
}

}  // namespace tour
