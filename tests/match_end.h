#pragma once
// A finished match set by hand, and the hand-over to the result sheet as the match's end
// makes it, for tests that start where a match stops.
#include <algorithm>
#include <string_view>

#include "fake_host.h"
#include "tour/result_screen.h"

namespace testing_support {

struct MatchOutcome {
  int tagged = 0;  // opponents tagged out, the first ones in slot order
  int lost = 0;    // own players tagged out
  bool carried = false;
  bool hung = false;
  int clock = 0;  // ticks left
};

inline constexpr MatchOutcome kWonMatch{7, 0, true, true, 1000};

inline void LeaveMatch(shell::Program& program, const MatchOutcome& outcome) {
  for (int slot = 1; slot <= 7; ++slot) {
    program.Match.OppInPlay[slot] = slot <= outcome.tagged ? 0 : 1;
    program.Career.InPlay[slot] = slot <= outcome.lost ? 0 : 1;
    program.Career.HasFlag[slot] = outcome.carried && slot == 7 ? 1 : 0;
  }
  program.Match.FlagHung = outcome.hung ? 1 : 0;
  program.Match.MatchClock = outcome.clock;
}

// From whichever screen shows now to the result sheet, its clicks locked for 20 ticks.
inline void ShowResult(shell::Program& program, int improved_player = 0) {
  program.Shared.ResultClickLock = 20;
  program.Shared.ResultFrame = 0;
  program.Shared.ImprovedPlayer = improved_player;
  program.SwitchScreen(*program.VisibleScreen(), program.Form9());
}

// The part of a picture that a text covers, drawn alone on white, matches the same part of
// the frame.
inline bool ShowsText(shell::Program& program, const gfx::Picture& frame, const gfx::FontState& font, int x, int y,
                      std::string_view text) {
  gfx::Canvas expected(frame.Width(), frame.Height(), &program.Fonts());
  expected.Font = font;
  expected.TextOut(x, y, text);
  const int right = std::min(frame.Width(), x + expected.TextWidth(text));
  const int bottom = std::min(frame.Height(), y + expected.TextHeight());
  for (int row = y; row < bottom; ++row) {
    for (int column = x; column < right; ++column) {
      if (frame.PixelAt(column, row) != expected.Image().PixelAt(column, row)) return false;
    }
  }
  return right > x;
}

}  // namespace testing_support
