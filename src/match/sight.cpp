#include "match/sight.h"

#include "match/match_drawing.h"
#include "shell/program.h"

namespace match {

bool LineIsClear(const BunkerField& bunkers, const FieldPoint& from, const FieldPoint& to) {
  bool clear = true;
  TraceSight(bunkers, from, to, [&](const FieldPoint&, bool blocked) { clear = clear && !blocked; });
  return clear;
}

void TracePointerPath(shell::Program& program, gfx::Canvas& canvas) {
  MatchState& match = program.Match;
  const career::CareerRecord& career = program.Career;
  const int s = program.Shared.SelectedPlayer;
  const bool dotted = career.InPlay[s] == 1 && match.PointerInField == 1;
  PointerPathPen pen{.fire_mode = match.OrderMode == kFireMode};
  FieldPoint last_point = career.PlayerPos[s];
  match.MoveBlocked = 0;
  TraceSight(match.Bunkers, career.PlayerPos[s], match.PointerPos, [&](const FieldPoint& point, bool blocked) {
    if (blocked) {
      match.MoveBlocked = 1;
      if (pen.fire_mode) match.MoveBlocked = 0;
      if (!pen.fire_mode) pen.blocked = true;
    }
    if (dotted) DrawPathDot(canvas, point, pen);
    last_point = point;
  });
  if (dotted) DrawPathCaption(canvas, last_point, pen.fire_mode);
}

void UpdateOppVisible(shell::Program& program) {
  MatchState& match = program.Match;
  const career::CareerRecord& career = program.Career;
  for (int i = 1; i <= kTeamSize; ++i) {
    match.OppVisible[i] = 0;
    for (int j = 1; j <= kTeamSize; ++j) {
      if (career.InPlay[j] == 1 && LineIsClear(match.Bunkers, career.PlayerPos[j], match.OppPos[i])) match.OppVisible[i] = 1;
    }
  }
  if (career.Challenge < 2) {
    for (int32& visible : match.OppVisible) visible = 1;
  }
}

void UpdateSpotted(shell::Program& program) {
  const MatchState& match = program.Match;
  career::CareerRecord& career = program.Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    career.Spotted[j] = 0;
    for (int i = 1; i <= kTeamSize; ++i) {
      if (match.OppInPlay[i] == 1 && LineIsClear(match.Bunkers, match.OppPos[i], career.PlayerPos[j])) career.Spotted[j] = 1;
    }
  }
}

}  // namespace match
