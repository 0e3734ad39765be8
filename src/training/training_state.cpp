#include "training/training_state.h"

namespace training {

namespace {

constexpr int kDuelTicks = 500;
constexpr int kDuelPaint = 50;
constexpr int kTargetBalls = 10;

}  // namespace

void SpeedRun::Begin() {
  RunSpeed = 0;
  TrainTicks = 0;
  FrameDelay = 5;
  RunFrame = 1;
  LastButton = 0;
  for (int32& entry : SpeedHistory) entry = 0;
}

void TagDuel::Begin() {
  LeftState = 0;
  RightState = 0;
  AimSide = 2;
  HitsLeft = HitsRight = TimesHit = CoverMeter = HitPause = 0;
  TrainTicks = kDuelTicks;
  DuelPaint = kDuelPaint;
}

void TargetRange::Begin(int32 wind) {
  ShotsLeft = kTargetBalls;
  ShootScore = 0;
  BallFlight = 0;
  ReloadTicks = 0;
  SwayTick = 0;
  Sway = 0;
  SwayDir = 1;
  ShootWind = wind;
  BallX = BallY = 0;
  MissX = MissY = 0;
}

}  // namespace training
