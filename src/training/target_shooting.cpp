#include "training/target_shooting.h"

#include <cstdlib>
#include <string>

#include "training/training_reward.h"
#include "world/world.h"

namespace training {

namespace {

using core::Sound;

constexpr int kTargetShootingForm = 19;
constexpr int kFlightTicks = 10;
constexpr int kReloadTicks = 20;
constexpr int kMuzzleX = 150;
constexpr int kMuzzleY = 125;
constexpr int kTargetX = 288;
constexpr int kTargetY = 201;
constexpr int kRingLimits[] = {2, 6, 13, 17, 21};
constexpr int kPointsPerRing = 2;
constexpr int kSwayEvery = 3;
constexpr int kSwayReach = 5;
constexpr int kWindChange = 26;
constexpr int kWindBarPerUnit = 24;
constexpr int kGoodScore = 70;
constexpr int kFineScore = 85;

}  // namespace

int LandingScore(int miss_x, int miss_y) {
  int score = 0;
  for (const int limit : kRingLimits) {
    if (std::abs(miss_x) <= limit && std::abs(miss_y) <= limit) score += kPointsPerRing;
  }
  return score;
}

TForm19::TForm19(world::World& world) : world::Screen(world, kTargetShootingForm, "Form19") {}

TargetRange& TForm19::Range() { return world_.Training.Target; }

// The view follows the mouse only while no ball is in the air.
void TForm19::Image2MouseMove(int x, int y) {
  TargetRange& range = Range();
  if (range.BallFlight > 0) return;
  if (core::Between(30, x, 320)) range.AimX = x - 320;
  if (core::Between(80, y, 360)) range.AimY = y - 320;
}

void TForm19::Image2MouseDown(core::MouseButton, int, int) {
  TargetRange& range = Range();
  if (range.BallFlight != 0 || range.ReloadTicks != 0 || range.ShotsLeft <= 0) return;
  range.BallFlight = kFlightTicks;
  range.BallX = kMuzzleX;
  range.BallY = kMuzzleY;
  range.ReloadTicks = kReloadTicks;
  range.ShotsLeft -= 1;
  world_.Sounds.Play(Sound::MarkerPop);
}

void TForm19::Timer1Timer() {
  if (Range().ShotsLeft > 0 || Range().BallFlight > 0) ShootingTick();
  if (Range().ShotsLeft > 0 || Range().BallFlight > 0) return;
  Reward();
  FinishTraining(world_, *this);
}

void TForm19::ShootingTick() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  Drift();
  DrawScene(canvas);
  DrawMask(canvas);
  FlyBall(canvas);
  ClearAroundScope(canvas);
  DrawScopeFurniture(canvas);
  DrawWindage(canvas);
  DrawMagnifiedTarget(canvas);
  Land();
  DrawLandingMark(canvas);
  Reload();
  DrawScore(canvas);
  frame.Copy();
}

// The view swings between -6 and +6, a pixel every three ticks, and holds while a ball flies.
void TForm19::Drift() {
  TargetRange& range = Range();
  if (range.BallFlight == 0) {
    range.SwayTick += 1;
    if (range.SwayTick == kSwayEvery) {
      range.Sway += range.SwayDir;
      range.SwayTick = 0;
    }
  }
  if (range.Sway > kSwayReach) range.SwayDir = -1;
  if (range.Sway < -kSwayReach) range.SwayDir = +1;
}

void TForm19::DrawScene(gfx::Canvas& canvas) {
  canvas.Draw(Range().AimX, Range().AimY + Range().Sway, world_.Picture(kTargetShootingForm, 1));
}

// The scene shows only through the scope's window, x 50..250 and y 50..200.
void TForm19::DrawMask(gfx::Canvas& canvas) {
  canvas.Brush.Color = gfx::colors::Black;
  canvas.FillRect(0, 0, 300, 50);
  canvas.FillRect(0, 200, 300, 250);
  canvas.FillRect(0, 0, 50, 250);
  canvas.FillRect(250, 0, 300, 250);
}

// The ball shrinks as it flies away, wanders, drops and is carried by the wind in whole thirds.
void TForm19::FlyBall(gfx::Canvas& canvas) {
  TargetRange& range = Range();
  if (range.BallFlight <= 0) return;
  canvas.Pen.Color = gfx::colors::Yellow;
  canvas.Brush.Color = gfx::colors::Yellow;
  canvas.Ellipse(range.BallX - range.BallFlight, range.BallY - range.BallFlight, range.BallX + range.BallFlight,
                 range.BallY + range.BallFlight);
  range.BallFlight -= 1;
  const int wander_right = world_.Rng(3);
  const int wander_left = world_.Rng(3);
  range.BallX += wander_right - wander_left;
  range.BallY += 2 - world_.Rng(2);
  range.BallX += range.ShootWind / 3;
}

void TForm19::ClearAroundScope(gfx::Canvas& canvas) {
  canvas.Brush.Color = gfx::colors::White;
  canvas.FillRect(300, 0, 801, 601);
  canvas.FillRect(0, 250, 300, 601);
}

void TForm19::DrawScopeFurniture(gfx::Canvas& canvas) {
  canvas.Draw(75, 0, world_.Picture(kTargetShootingForm, 3));
  canvas.Draw(0, 0, world_.Picture(kTargetShootingForm, 4));
  canvas.Draw(250, 0, world_.Picture(kTargetShootingForm, 5));
  canvas.Draw(0, 200, world_.Picture(kTargetShootingForm, 6));
  canvas.Draw(250, 200, world_.Picture(kTargetShootingForm, 7));
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{150, 50}, {150, 200}});
  canvas.Polyline({{0, 125}, {250, 125}});
  canvas.Brush.Color = gfx::colors::Red;
  canvas.Ellipse(147, 122, 153, 128);
}

void TForm19::DrawWindage(gfx::Canvas& canvas) {
  TargetRange& range = Range();
  canvas.Draw(300, 50, world_.Picture(kTargetShootingForm, 8));
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{550, 200}, {550, 50}});
  if (world_.Rng(100) == kWindChange) range.ShootWind = world_.Rng(20) - 10;
  canvas.Pen.Color = gfx::colors::Red;
  for (int y = 110; y <= 150; ++y) canvas.Polyline({{550, y}, {550 + kWindBarPerUnit * range.ShootWind, y}});
}

// Rings of radius 200, 150 and 75 around (550, 400).
void TForm19::DrawMagnifiedTarget(gfx::Canvas& canvas) {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::White;
  canvas.Ellipse(350, 200, 750, 600);
  canvas.Brush.Color = gfx::colors::Green;
  canvas.Ellipse(400, 250, 700, 550);
  canvas.Brush.Color = gfx::colors::Red;
  canvas.Ellipse(475, 325, 625, 475);
}

// The ball lands on the ninth tick of its flight, on the scene point under it.
void TForm19::Land() {
  TargetRange& range = Range();
  if (range.BallFlight != 1) return;
  range.MissX = range.AimX - range.BallX + kTargetX;
  range.MissY = range.AimY + range.Sway - range.BallY + kTargetY;
  range.ShootScore += LandingScore(range.MissX, range.MissY);
}

// The last landing, ten times enlarged on the magnified target.
void TForm19::DrawLandingMark(gfx::Canvas& canvas) {
  const TargetRange& range = Range();
  if (range.BallFlight != 0) return;
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::Yellow;
  canvas.Ellipse(540 - 10 * range.MissX, 390 - 10 * range.MissY, 560 - 10 * range.MissX, 410 - 10 * range.MissY);
}

// The ready click sounds with one tick of reload left.
void TForm19::Reload() {
  TargetRange& range = Range();
  range.ReloadTicks -= 1;
  if (range.ReloadTicks == 1) world_.Sounds.Play(Sound::Click);
  if (range.ReloadTicks < 0) range.ReloadTicks = 0;
}

void TForm19::DrawScore(gfx::Canvas& canvas) {
  const TargetRange& range = Range();
  canvas.Brush.Color = gfx::colors::White;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Font.Size = 20;
  canvas.TextOut(0, 300, "Score: " + std::to_string(range.ShootScore) + "/100");
  canvas.TextOut(0, 350, "Paint:" + std::to_string(range.ShotsLeft));
}

void TForm19::Reward() {
  const int score = Range().ShootScore;
  if (score > kFineScore) Raise(world_, &career::CareerRecord::Accuracy, 1);
  if (score > kGoodScore) Raise(world_, &career::CareerRecord::Accuracy, 1);
}

}  // namespace training
