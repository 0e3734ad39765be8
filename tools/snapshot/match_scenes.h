#pragma once
#include <optional>
#include <string>

#include "app/program.h"
#include "gfx/picture.h"

namespace snapshot {

// A match picture composed from the match's drawing calls in the tick's order, on a match
// state set by hand for the played team of the "team" scenario: "fine", "rain", "lightning", "dust", "snow", "paused" (indoors, a blocked
// move path) and "locked" (the pause button crossed out). Nothing for any other name.
std::optional<gfx::Picture> MatchPicture(app::Program& program, const std::string& scenario);

}  // namespace snapshot
