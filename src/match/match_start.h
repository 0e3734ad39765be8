#pragma once
#include <array>

#include "career/field_point.h"
#include "match/match_context.h"

namespace match {

inline constexpr int kLayoutCount = 5;

// The bunker centres of layout 1..5 (field frame); bunker 14 of layout 1 stands off the field.
const std::array<career::FieldPoint, 14>& BunkerLayout(int layout);

// Sets up a fresh match as PLAY starts it: the clock, the paintballs, both teams' start
// positions, the opposition's strength from the tour stage, the flag, the weather roll, the
// bunkers' colours, the pause budget and the next bunker layout, drawing its random numbers
// in that order.
void StartMatch(MatchContext& context);

}  // namespace match
