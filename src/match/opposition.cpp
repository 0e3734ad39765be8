#include "match/opposition.h"

#include <span>

#include "match/field_model.h"

namespace match {

namespace {

constexpr double kNoAimDistance = 9999.0;

// One move of a scripted play. A point or coordinate given "behind" a bunker is measured from
// that bunker's centre; a relative move changes one coordinate of the target as it stands.
struct ScriptedMove {
  enum Kind { kPoint, kX, kY, kAddX, kAddY };
  int clock;
  int target;  // T1..T7
  Kind kind;
  int bunker;  // 0: absolute field coordinates
  double x;
  double y;
};

constexpr ScriptedMove At(int clock, int t, double x, double y) { return {clock, t, ScriptedMove::kPoint, 0, x, y}; }
constexpr ScriptedMove By(int clock, int t, int b, double dx, double dy) { return {clock, t, ScriptedMove::kPoint, b, dx, dy}; }
constexpr ScriptedMove SetX(int clock, int t, int b, double x) { return {clock, t, ScriptedMove::kX, b, x, 0}; }
constexpr ScriptedMove SetY(int clock, int t, int b, double y) { return {clock, t, ScriptedMove::kY, b, 0, y}; }
constexpr ScriptedMove AddX(int clock, int t, double dx) { return {clock, t, ScriptedMove::kAddX, 0, dx, 0}; }
constexpr ScriptedMove AddY(int clock, int t, double dy) { return {clock, t, ScriptedMove::kAddY, 0, 0, dy}; }

constexpr ScriptedMove kPlay1[] = {
    At(2490, 1, 730, 50), At(2490, 2, 650, 100), At(2490, 3, 630, 100), At(2490, 4, 570, 200),
    At(2490, 5, 630, 300), At(2490, 6, 650, 300), At(2490, 7, 750, 350),
    SetY(2370, 2, 0, 50), SetY(2370, 6, 0, 350),
    AddY(2350, 1, 15), AddY(2350, 4, 50), AddY(2350, 7, -15), At(2350, 2, 420, 50), At(2350, 6, 420, 350),
    At(2330, 4, 420, 200),
    AddX(2150, 3, -15), AddY(2150, 3, -15), AddX(2150, 5, -15), AddY(2150, 5, 15),
    AddY(2000, 2, 30), AddY(2000, 6, -30),
    AddY(1960, 2, -30), AddY(1960, 6, 30),
    AddY(1750, 2, 30), AddY(1750, 6, -30),
    AddY(1710, 2, -30), AddY(1710, 6, 30),
};

constexpr ScriptedMove kPlay2[] = {
    At(2490, 1, 730, 100), At(2490, 2, 550, 55), At(2490, 3, 680, 200), At(2490, 4, 420, 290),
    At(2490, 5, 530, 350), At(2490, 6, 500, 380), At(2490, 7, 730, 300),
    AddY(2300, 2, -30), AddY(2300, 1, 30), AddY(2300, 3, -30), AddY(2300, 7, -30), SetY(2300, 4, 0, 220),
    At(2220, 5, 420, 290),
    SetY(2185, 4, 0, 180),
    At(2150, 6, 330, 350),
};

constexpr ScriptedMove kPlay3[] = {
    By(2490, 1, 6, 30, 0), By(2490, 2, 11, 30, 0), By(2490, 3, 9, 30, 0), By(2490, 4, 9, 30, 30),
    By(2490, 5, 3, 30, 0), By(2490, 6, 7, 30, 0), By(2490, 7, 7, 30, 60),
    By(2470, 7, 14, 30, 20),
    AddY(2300, 3, -20), AddY(2300, 1, -20), AddY(2300, 6, 20), AddY(2300, 2, -10),
    SetY(2250, 5, 3, -20),
    SetX(2150, 5, 8, 30),
};

constexpr ScriptedMove kPlay4[] = {
    By(2490, 1, 7, 30, -20), By(2490, 2, 7, 30, 20), By(2490, 3, 11, 30, -30), By(2490, 4, 8, 30, 20),
    By(2490, 5, 13, 30, 0), By(2490, 6, 9, 30, 20), By(2490, 7, 9, 30, -20),
    By(2400, 2, 4, 30, 15), By(2400, 7, 6, 30, 0),
    By(2380, 4, 13, 30, 30), By(2380, 5, 5, 30, 0),
    By(2200, 7, 12, 30, 0),
};

constexpr ScriptedMove kPlay5[] = {
    By(2495, 1, 10, 30, -15), By(2495, 2, 9, 30, 15), By(2495, 3, 8, 30, 15), By(2495, 4, 14, 30, 15),
    By(2495, 5, 11, 30, -15), By(2495, 6, 12, 30, -15), By(2495, 7, 13, 30, -15),
    By(2300, 1, 10, 30, 30), By(2300, 2, 9, 30, -30), By(2300, 3, 8, 30, -30), By(2300, 4, 14, 30, -30),
    By(2300, 5, 11, 30, 30), By(2300, 6, 12, 30, 30), By(2300, 7, 13, 30, 30),
    By(2150, 1, 10, 30, -20), By(2150, 2, 9, 30, 20), By(2150, 3, 8, 30, 20), By(2150, 4, 14, 30, 20),
    By(2150, 5, 11, 30, -20), By(2150, 6, 12, 30, -20), By(2150, 7, 13, 30, -20),
};

// The play of layout 1..5; no play for a layout outside the cycle.
std::span<const ScriptedMove> PlayOf(int layout) {
  switch (layout) {
    case 1: return kPlay1;
    case 2: return kPlay2;
    case 3: return kPlay3;
    case 4: return kPlay4;
    case 5: return kPlay5;
    default: return {};
  }
}

FieldPoint Origin(const MatchState& match, int bunker) { return bunker == 0 ? FieldPoint{} : match.Bunkers[bunker]; }

void Apply(MatchState& match, const ScriptedMove& move) {
  FieldPoint& target = match.OppTarget[move.target];
  const FieldPoint origin = Origin(match, move.bunker);
  switch (move.kind) {
    case ScriptedMove::kPoint: target = {origin.x + move.x, origin.y + move.y}; break;
    case ScriptedMove::kX: target.x = origin.x + move.x; break;
    case ScriptedMove::kY: target.y = origin.y + move.y; break;
    case ScriptedMove::kAddX: target.x += move.x; break;
    case ScriptedMove::kAddY: target.y += move.y; break;
  }
}

void AimAtNearestSpotted(MatchContext& context, int i) {
  const career::CareerRecord& career = context.career;
  MatchState& match = context.match;
  for (int j = 1; j <= kTeamSize; ++j) {
    const double d = Distance(career.PlayerPos[j], match.OppPos[i]);
    if (d < match.OppAimDist[i] && career.InPlay[j] == 1 && career.Spotted[j] == 1) {
      const int rx = context.rng(30) - 15;
      const int ry = context.rng(30) - 15;
      match.OppAim[i] = {career.PlayerPos[j].x + rx, career.PlayerPos[j].y + kFieldTop + ry};
      match.OppAimDist[i] = d;
    }
  }
}

}  // namespace

void AimOpposition(MatchContext& context) {
  MatchState& match = context.match;
  for (int i = 1; i <= kTeamSize; ++i) {
    match.OppAim[i] = {0.0, 0.0};
    match.OppAimDist[i] = kNoAimDistance;
    if (match.OppVisible[i] == 1) AimAtNearestSpotted(context, i);
  }
}

void ApplyScriptedPlays(MatchState& match, const world::SharedState& shared) {
  for (const ScriptedMove& move : PlayOf(shared.FieldLayout)) {
    if (move.clock == match.MatchClock) Apply(match, move);
  }
}

}  // namespace match
