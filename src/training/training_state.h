#pragma once
#include "career/career_record.h"

namespace training {

using int32 = career::int32;

inline constexpr int kRunTicks = 500;

// Speed training: alternating releases of the two mouse buttons raise the running speed.
struct SpeedRun {
  int32 RunSpeed = 0;
  career::Slots<int32, kRunTicks> SpeedHistory{};  // entry n: the speed recorded at tick n
  int32 TrainTicks = 0;                           // ticks run so far, 0..500
  int32 RunFrame = 1;                             // 1..9, the runner picture shown
  int32 FrameDelay = 5;                           // ticks until the next runner picture
  int32 LastButton = 0;                           // 0 none yet, 1 left, 2 right

  void Begin();
};

// Tag duel: the trainee behind a bunker between two opponents who pop out and fire.
struct TagDuel {
  int32 AimSide = 2;  // 1 leaning out left, 2 behind cover, 3 leaning out right
  int32 LeftState = 0, RightState = 0;  // 0 hidden, 1 aiming, 2 firing
  int32 LeftPhase = 0, RightPhase = 0;
  int32 LeftShot = 0, RightShot = 0;  // ticks left of a shot fired at that side
  int32 HitsLeft = 0, HitsRight = 0;
  int32 TimesHit = 0;
  int32 HitPause = 0;
  int32 CoverMeter = 0;
  int32 DuelPaint = 0;
  int32 TrainTicks = 0;  // ticks left

  // The shots and the opponents' phases go on from the last duel.
  void Begin();
};

// Target shooting: ten paintballs through a scope at a target in a field.
struct TargetRange {
  int32 AimX = 0, AimY = 0;  // where the scene picture lies; kept from the last session
  int32 Sway = 0, SwayDir = 1, SwayTick = 0;
  int32 ShootWind = 0;  // -10..9
  int32 BallX = 0, BallY = 0, BallFlight = 0;
  int32 ReloadTicks = 0;
  int32 ShotsLeft = 0, ShootScore = 0;
  int32 MissX = 0, MissY = 0;  // the last landing's distance from the target centre

  void Begin(int32 wind);
};

// The mini-games' variables, program-wide and not saved.
struct TrainingState {
  SpeedRun Speed;
  TagDuel Duel;
  TargetRange Target;
};

}  // namespace training
