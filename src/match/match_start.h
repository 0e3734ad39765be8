#pragma once

namespace shell { class Program; }

namespace match {

// Sets up a fresh match as PLAY starts it: the clock, the paintballs, both teams' start
// positions, the opposition's strength from the tour stage, the flag, the weather roll, the
// bunkers' colours, the pause budget and the next bunker layout, drawing its random numbers
// in that order.
void StartMatch(shell::Program& program);

}  // namespace match
