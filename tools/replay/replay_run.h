#pragma once
// Plays a match headless from a scenario and hands over one JSON line per tick: every random
// draw, every sound asked for and the whole match state.
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace replay {

// Scenario keys, all optional: "seed", "field_layout", "career" (options, tour position and
// arrays of 7 attributes for slots 1..7), "ticks" (2600 when missing) and "input" (events given
// to the match screen's handlers just before their tick). Throws nlohmann::json's errors on a
// scenario of the wrong shape.
void Replay(const nlohmann::json& scenario, const std::function<void(const std::string& line)>& write_line);

}  // namespace replay
