#pragma once
// A finished match set by hand, and the hand-over to the result sheet as the match's end
// makes it, for pictures and tests that start where a match stops.
#include "app/program.h"
#include "tour/result_screen.h"

namespace snapshot {

struct MatchOutcome {
  int tagged = 0;  // opponents tagged out, the first ones in slot order
  int lost = 0;    // own players tagged out
  bool carried = false;
  bool hung = false;
  int clock = 0;  // ticks left
};

inline constexpr MatchOutcome kWonMatch{7, 0, true, true, 1000};

inline void LeaveMatch(app::Program& program, const MatchOutcome& outcome) {
  for (int slot = 1; slot <= 7; ++slot) {
    program.Match.OppInPlay[slot] = slot <= outcome.tagged ? 0 : 1;
    program.Career.InPlay[slot] = slot <= outcome.lost ? 0 : 1;
    program.Career.HasFlag[slot] = outcome.carried && slot == 7 ? 1 : 0;
  }
  program.Match.FlagHung = outcome.hung ? 1 : 0;
  program.Match.MatchClock = outcome.clock;
}

// From whichever screen shows now to the result sheet, its clicks locked for 20 ticks.
inline void ShowResult(app::Program& program, int improved_player = 0) {
  program.Shared.ResultClickLock = 20;
  program.Shared.ResultFrame = 0;
  program.Shared.ImprovedPlayer = improved_player;
  program.SwitchScreen(*program.VisibleScreen(), program.Form9());
}

}  // namespace snapshot
