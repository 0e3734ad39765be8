#pragma once
// The finished match of the pictures, and a check that a picture shows a text, for tests
// that start where a match stops.
#include <algorithm>
#include <string_view>

#include "snapshot/finished_match.h"
#include "support/fake_host.h"

namespace testing_support {

using snapshot::kWonMatch;
using snapshot::LeaveMatch;
using snapshot::MatchOutcome;
using snapshot::ShowResult;

// The part of a picture that a text covers, drawn alone on white, matches the same part of
// the frame.
inline bool ShowsText(app::Program& program, const gfx::Picture& frame, const gfx::FontState& font, int x, int y,
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
