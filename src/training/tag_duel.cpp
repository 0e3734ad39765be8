#include "training/tag_duel.h"

#include <algorithm>
#include <string>

#include "training/training_reward.h"
#include "world/world.h"

namespace training {

namespace {

using core::Sound;

constexpr int kTagDuelForm = 18;
constexpr int kLeanLeft = 1;
constexpr int kInCover = 2;
constexpr int kLeanRight = 3;
constexpr int kHidden = 0;
constexpr int kAiming = 1;
constexpr int kFiring = 2;
constexpr int kAimsUntilPhase = 12;
constexpr int kShotTicks = 2;
constexpr int kHitPause = 3;
constexpr int kCoverPerTick = 2;
constexpr int kCoverLimit = 500;
constexpr int kCoverCost = 2;

int OpponentPicture(int hidden_image, int state) { return state == kHidden ? hidden_image : hidden_image + 1; }
int StatusLight(int state) { return std::clamp(state, kHidden, kFiring) + 12; }

}  // namespace

TForm18::TForm18(world::World& world) : world::Screen(world, kTagDuelForm, "Form18") {}

TagDuel& TForm18::Duel() { return world_.Training.Duel; }

void TForm18::Image8MouseMove(int x, int) {
  if (x < 200) Duel().AimSide = kLeanLeft;
  if (x > 200 && x < 600) Duel().AimSide = kInCover;
  if (x > 600) Duel().AimSide = kLeanRight;
}

void TForm18::Image8MouseDown(core::MouseButton, int, int) {
  TagDuel& duel = Duel();
  if (duel.AimSide != kLeanLeft && duel.AimSide != kLeanRight) return;
  if (duel.DuelPaint <= 0) return;
  if (duel.LeftShot + duel.RightShot == 0) world_.Sounds.Play(Sound::MarkerPop);
  (duel.AimSide == kLeanLeft ? duel.LeftShot : duel.RightShot) = kShotTicks;
  duel.DuelPaint -= 1;
}

void TForm18::Timer1Timer() {
  if (Duel().TrainTicks > 0) DuelTick();
  if (Duel().TrainTicks != 0) return;
  Reward();
  FinishTraining(world_, *this);
}

void TForm18::DuelTick() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  LeftOpponentEvents();
  RightOpponentEvents();
  AdvancePhases();
  PlayOpponentsFire();
  DrawTrainee(canvas);
  DrawOpponents(canvas);
  CountDownShots();
  ScoreHits(canvas);
  TakeHits(canvas);
  DrawStatusLights(canvas);
  DrawInstructions(canvas);
  DrawCounts(canvas);
  DrawZoneLines(canvas);
  PenaliseCover();
  DrawBars(canvas);
  Duel().TrainTicks -= 1;
  frame.Copy();
}

// Only the left opponent can come out firing straight away.
void TForm18::LeftOpponentEvents() {
  TagDuel& duel = Duel();
  const int event = world_.Rng(50);
  if (event == 9) {
    duel.LeftState = kAiming;
    duel.LeftPhase = world_.Rng(10) + 1;
  }
  if (event == 19) {
    duel.LeftState = kFiring;
    duel.LeftPhase = world_.Rng(10) + 1;
  }
}

void TForm18::RightOpponentEvents() {
  TagDuel& duel = Duel();
  const int event = world_.Rng(50);
  if (event == 9 || event == 19) {
    duel.RightState = kAiming;
    duel.RightPhase = world_.Rng(10) + 1;
  }
}

void TForm18::AdvancePhases() {
  TagDuel& duel = Duel();
  duel.LeftPhase += 1;
  duel.RightPhase += 1;
  if (duel.LeftState == kAiming && duel.LeftPhase > kAimsUntilPhase) duel.LeftState = kFiring;
  if (duel.RightState == kAiming && duel.RightPhase > kAimsUntilPhase) duel.RightState = kFiring;
}

void TForm18::PlayOpponentsFire() {
  if (Duel().LeftState == kFiring) world_.Sounds.Play(Sound::MarkerPop2);
  if (Duel().RightState == kFiring) world_.Sounds.Play(Sound::MarkerPop3);
}

void TForm18::DrawTrainee(gfx::Canvas& canvas) {
  switch (Duel().AimSide) {
    case kLeanLeft: canvas.Draw(231, 319, world_.Picture(kTagDuelForm, 5)); break;
    case kInCover: canvas.Draw(230, 320, world_.Picture(kTagDuelForm, 6)); break;
    case kLeanRight: canvas.Draw(231, 320, world_.Picture(kTagDuelForm, 7)); break;
  }
}

void TForm18::DrawOpponents(gfx::Canvas& canvas) {
  canvas.Draw(0, 0, world_.Picture(kTagDuelForm, OpponentPicture(1, Duel().LeftState)));
  canvas.Draw(200, 30, world_.Picture(kTagDuelForm, OpponentPicture(3, Duel().RightState)));
}

void TForm18::CountDownShots() {
  TagDuel& duel = Duel();
  duel.LeftShot = std::max(duel.LeftShot - 1, 0);
  duel.RightShot = std::max(duel.RightShot - 1, 0);
  duel.HitPause = std::max(duel.HitPause - 1, 0);
}

void TForm18::ScoreHits(gfx::Canvas& canvas) {
  TagDuel& duel = Duel();
  if (duel.LeftShot > 0 && duel.LeftState > kHidden) {
    canvas.Draw(0, 0, world_.Picture(kTagDuelForm, 10));
    duel.LeftState = kHidden;
    duel.HitsLeft += 1;
  }
  if (duel.RightShot > 0 && duel.RightState > kHidden) {
    canvas.Draw(250, 0, world_.Picture(kTagDuelForm, 10));
    duel.RightState = kHidden;
    duel.HitsRight += 1;
  }
}

// Leaning out into fire, the trainee is hit at most once every three ticks.
void TForm18::TakeHits(gfx::Canvas& canvas) {
  TagDuel& duel = Duel();
  const auto exposed = [&](int state, int side) {
    if (state != kFiring || duel.AimSide != side) return;
    canvas.Draw(450, 180, world_.Picture(kTagDuelForm, 11));
    if (duel.HitPause != 0) return;
    duel.TimesHit += 1;
    duel.HitPause = kHitPause;
  };
  exposed(duel.LeftState, kLeanLeft);
  exposed(duel.RightState, kLeanRight);
}

void TForm18::DrawStatusLights(gfx::Canvas& canvas) {
  canvas.Draw(51, 400, world_.Picture(kTagDuelForm, StatusLight(Duel().LeftState)));
  canvas.Draw(649, 400, world_.Picture(kTagDuelForm, StatusLight(Duel().RightState)));
}

void TForm18::DrawInstructions(gfx::Canvas& canvas) {
  canvas.Brush.Color = gfx::colors::White;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Font.Size = 12;
  canvas.TextOut(300, 0, "If you can hit them two or three times each as often as they");
  canvas.TextOut(300, 20, "hit you, or better, your training will be more effective.");
}

void TForm18::DrawCounts(gfx::Canvas& canvas) {
  const TagDuel& duel = Duel();
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 15;
  canvas.Font.Color = gfx::colors::Red;
  canvas.TextOut(10, 200, std::to_string(duel.HitsLeft));
  canvas.TextOut(200, 200, std::to_string(duel.HitsRight));
  const bool winning = duel.TimesHit < (duel.HitsLeft + duel.HitsRight) / 2;
  canvas.Font.Color = winning ? gfx::colors::Green : gfx::colors::Red;
  canvas.TextOut(300, 550, std::to_string(duel.TimesHit));
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(300, 570, "Paint: " + std::to_string(duel.DuelPaint));
}

void TForm18::DrawZoneLines(gfx::Canvas& canvas) {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{1, 500}, {1, 599}, {799, 599}, {799, 500}});
  canvas.Polyline({{200, 500}, {200, 599}});
  canvas.Polyline({{600, 500}, {600, 599}});
}

// Every 250 ticks spent in cover costs two hits on each side.
void TForm18::PenaliseCover() {
  TagDuel& duel = Duel();
  if (duel.AimSide == kInCover) duel.CoverMeter += kCoverPerTick;
  if (duel.CoverMeter != kCoverLimit) return;
  duel.HitsLeft = std::max(duel.HitsLeft - kCoverCost, 0);
  duel.HitsRight = std::max(duel.HitsRight - kCoverCost, 0);
  duel.CoverMeter = 0;
}

void TForm18::DrawBars(gfx::Canvas& canvas) {
  const TagDuel& duel = Duel();
  canvas.Pen.Color = gfx::colors::Green;
  for (int x = 770; x <= 790; ++x) canvas.Polyline({{x, 550}, {x, 550 - duel.TrainTicks}});
  canvas.Pen.Color = gfx::colors::Yellow;
  for (int x = 750; x <= 770; ++x) canvas.Polyline({{x, 550}, {x, 550 - duel.CoverMeter}});
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{770, 550}, {790, 550}, {790, 50}, {770, 50}, {770, 550}});
  canvas.Polyline({{750, 550}, {770, 550}, {770, 50}, {750, 50}, {750, 550}});
}

void TForm18::Reward() {
  const TagDuel& duel = Duel();
  const int half_the_hits = (duel.HitsLeft + duel.HitsRight) / 2;
  if (half_the_hits > duel.TimesHit) Raise(world_, &career::CareerRecord::Agility, 1);
  if (half_the_hits > 2 * duel.TimesHit) Raise(world_, &career::CareerRecord::Agility, 1);
}

}  // namespace training
