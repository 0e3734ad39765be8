#pragma once
#include <string>

#include "career/career_record.h"

namespace match {

using career::FieldPoint;
using career::Slots;
using int32 = career::int32;

// One paintball in flight; 200 fixed slots, an inactive one is free.
struct Paintball {
  FieldPoint Pos;   // field frame
  int32 Owner = 0;  // 1..7 own slot; 8..14 opponent + 7
  FieldPoint Vel;   // displacement per running tick
  int32 Active = 0;
};

inline constexpr int kPaintballCount = 200;
inline constexpr int kParticleCount = 100;
inline constexpr int kBunkerCount = 14;

// The live match's state that is not saved with the career: the opposition, the paintballs,
// the field, the flag, the clock and the weather.
struct MatchState {
  Slots<FieldPoint, 7> OppPos{};
  Slots<FieldPoint, 7> OppTarget{};
  Slots<int32, 7> OppSpeed{};
  Slots<int32, 7> OppGearLevel{};
  Slots<int32, 7> OppInPlay{};
  Slots<int32, 7> OppVisible{};
  Slots<FieldPoint, 7> OppAim{};  // picture frame
  Slots<double, 7> OppAimDist{};
  Slots<int32, 7> OppPaint{};
  Slots<int32, 7> OppShotTimer{};
  Slots<int32, 7> OppShotCount{};

  Slots<Paintball, kPaintballCount> Paintballs{};

  Slots<FieldPoint, kBunkerCount> Bunkers{};
  Slots<int32, kBunkerCount> BunkerKind{};

  FieldPoint FlagPos;  // picture frame
  int32 FlagHung = 0;
  int32 MatchClock = 0;
  int32 Paused = 0;
  int32 PauseBudget = 0;
  int32 PauseBudgetMax = 0;
  int32 PauseRegenCounter = 0;
  int32 OrderMode = 0;  // 0 MOVE, 1 FIRE
  FieldPoint PointerPos;  // field frame
  int32 PointerInField = 0;
  int32 MoveBlocked = 0;

  int32 WeatherRoll = 0;
  std::string WeatherText;
  int32 LightningTicks = 0;
  int32 BarkTicks = 0;
  Slots<int32, kParticleCount> ParticleX{};
  Slots<int32, kParticleCount> ParticleY{};
  Slots<int32, kParticleCount> ParticleSpeed{};
};

}  // namespace match
