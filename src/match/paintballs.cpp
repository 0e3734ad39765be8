#include "match/paintballs.h"

#include <cstdint>

#include "career/counters.h"
#include "match/field_model.h"

namespace match {

namespace {

using core::Sound;

constexpr double kLaunchSpeed = 15.0;
constexpr double kSpeedStep = 1.1;
constexpr int kOppositionCycle = 5;
constexpr int kShotsPerCycle = 6;
constexpr int kPush = 3;
constexpr FieldPoint kFieldEdgeLow{1.0, 1.0};
constexpr FieldPoint kFieldEdgeHigh{800.0, 400.0};
constexpr Sound kMarkerPops[] = {Sound::MarkerPop, Sound::MarkerPop2, Sound::MarkerPop3};

bool IsOwn(int32 owner) { return owner >= 1 && owner <= kTeamSize; }

// One step of a counter that starts again at 0 when it reaches `wrap`; a counter loaded from
// outside its cycle starts again at once.
int32 CycleStep(int32 counter, long long wrap) {
  const long long next = counter + 1LL;
  return next >= wrap || next > INT32_MAX ? 0 : static_cast<int32>(next);
}

// The first free slot, which costs the shooter a ball of paint; with all in flight, slot 200
// is taken over for nothing.
int TakeSlot(MatchState& match, int32* paint) {
  for (int k = 1; k <= kPaintballCount; ++k) {
    if (match.Paintballs[k].Active == 0) {
      if (paint) --*paint;
      return k;
    }
  }
  return kPaintballCount;
}

void Launch(MatchContext& context, int32* paint, int32 owner, const FieldPoint& from, const FieldPoint& aim) {
  Paintball& paintball = context.match.Paintballs[TakeSlot(context.match, paint)];
  paintball.Active = 1;
  paintball.Owner = owner;
  paintball.Pos = from;
  paintball.Vel = LaunchVelocity(Difference(ToField(aim), paintball.Pos));
  context.sounds.Play(kMarkerPops[context.rng(3)]);
}

bool OwnPlayerFires(const career::CareerRecord& career, const MatchState& match, int j) {
  return career.InPlay[j] == 1 && match.Paused == 0 && career.Paint[j] > 0 && career.Firing[j] == 1 &&
         career.GearLevel[j] > 0 && career.AimPoint[j].x > 0 && career.ShotCount[j] < career.GearLevel[j] &&
         career.ShotTimer[j] == 0;
}

// The opposition has no accuracy of its own: its speed stands for it, so it aims better as
// the tour goes on.
long long ShooterAccuracy(const MatchState& match, const career::CareerRecord& career, int32 owner) {
  if (IsOwn(owner)) return career.Accuracy[owner];
  const int i = owner - kTeamSize;
  return i >= 1 && i <= kTeamSize ? match.OppSpeed[i] : 0;
}

bool PushDrawn(core::Random& rng, long long accuracy) { return rng(100) > accuracy + 70; }

void StopOnBunkers(const MatchState& match, Paintball& paintball) {
  for (const FieldPoint& bunker : match.Bunkers) {
    if (Closer(paintball.Pos, bunker, kBunkerRadius)) paintball.Active = 0;
  }
}

void TagOwnPlayers(career::CareerRecord& career, Paintball& paintball) {
  for (int h = 1; h <= kTeamSize; ++h) {
    if (Closer(paintball.Pos, career.PlayerPos[h], kTagRadius) && paintball.Owner != h && career.InPlay[h] == 1) {
      paintball.Active = 0;
      career.InPlay[h] = 0;
      career::CountOn(career.TagsAgainst[h]);
    }
  }
}

void TagOpponents(career::CareerRecord& career, MatchState& match, Paintball& paintball) {
  for (int i = 1; i <= kTeamSize; ++i) {
    if (Closer(paintball.Pos, match.OppPos[i], kTagRadius) && IsOwn(paintball.Owner) && match.OppInPlay[i] == 1) {
      paintball.Active = 0;
      match.OppInPlay[i] = 0;
      career::CountOn(career.TagsFor[paintball.Owner]);
    }
  }
}

void StopAtFieldEdge(Paintball& paintball) {
  const FieldPoint& p = paintball.Pos;
  if (p.x < kFieldEdgeLow.x || p.x > kFieldEdgeHigh.x || p.y < kFieldEdgeLow.y || p.y > kFieldEdgeHigh.y) {
    paintball.Active = 0;
  }
}

}  // namespace

FieldPoint LaunchVelocity(FieldPoint way) {
  FieldPoint v = way;
  while (v.x > 0 && v.x < kLaunchSpeed) v = {v.x * kSpeedStep, v.y * kSpeedStep};
  while (v.y > -kLaunchSpeed && v.y < 0) v = {v.x * kSpeedStep, v.y * kSpeedStep};
  while (v.x > kLaunchSpeed || v.x < -kLaunchSpeed) v = {v.x / kSpeedStep, v.y / kSpeedStep};
  while (v.y > kLaunchSpeed || v.y < -kLaunchSpeed) v = {v.x / kSpeedStep, v.y / kSpeedStep};
  return v;
}

void AdvanceFiringCycles(MatchState& match, career::CareerRecord& career) {
  if (match.Paused != 0) return;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.Firing[j] != 1) continue;
    career.ShotTimer[j] = CycleStep(career.ShotTimer[j], career.Challenge + 5LL);
    if (career.ShotTimer[j] == 0) career.ShotCount[j] = CycleStep(career.ShotCount[j], kShotsPerCycle);
  }
  for (int i = 1; i <= kTeamSize; ++i) {
    match.OppShotTimer[i] = CycleStep(match.OppShotTimer[i], kOppositionCycle);
    if (match.OppShotTimer[i] == 0) match.OppShotCount[i] = CycleStep(match.OppShotCount[i], kShotsPerCycle);
  }
}

void FireOwnShots(MatchContext& context) {
  career::CareerRecord& career = context.career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (OwnPlayerFires(career, context.match, j)) Launch(context, &career.Paint[j], j, career.PlayerPos[j], career.AimPoint[j]);
  }
}

void FireOppositionShots(MatchContext& context) {
  MatchState& match = context.match;
  for (int i = 1; i <= kTeamSize; ++i) {
    match.OppPaint[i] = 1;
    if (match.OppInPlay[i] != 1 || match.Paused != 0) continue;
    match.OppPaint[i] = 100;
    if (match.OppAim[i].x > 0 && match.OppShotCount[i] < match.OppGearLevel[i] && match.OppShotTimer[i] == 0) {
      Launch(context, nullptr, i + kTeamSize, match.OppPos[i], match.OppAim[i]);
    }
  }
}

void FlyPaintballs(MatchContext& context) {
  MatchState& match = context.match;
  if (match.Paused != 0) return;
  for (Paintball& paintball : match.Paintballs) {
    if (paintball.Active != 1) continue;
    paintball.Pos = {paintball.Pos.x + paintball.Vel.x, paintball.Pos.y + paintball.Vel.y};
    const long long accuracy = ShooterAccuracy(match, context.career, paintball.Owner);
    if (PushDrawn(context.rng, accuracy)) paintball.Pos.x += kPush;
    if (PushDrawn(context.rng, accuracy)) paintball.Pos.x -= kPush;
    if (PushDrawn(context.rng, accuracy)) paintball.Pos.y += kPush;
    if (PushDrawn(context.rng, accuracy)) paintball.Pos.y -= kPush;
  }
}

void HitPaintballs(MatchState& match, career::CareerRecord& career) {
  for (Paintball& paintball : match.Paintballs) {
    if (paintball.Active != 1) continue;
    StopOnBunkers(match, paintball);
    TagOwnPlayers(career, paintball);
    TagOpponents(career, match, paintball);
    StopAtFieldEdge(paintball);
  }
}

}  // namespace match
