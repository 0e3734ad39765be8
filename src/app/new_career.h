#pragma once
#include <string_view>

namespace app {

class Program;

inline constexpr int kPlayerNameCount = 134;

// A name of the table a fresh team is drawn from, numbered 1..134; empty outside that range.
std::string_view PlayerNameNumbered(int number);

// A new career plays a team of equals; a continued one draws each attribute from 10..13,
// which the saved career then covers.
enum class FreshAttributes { Equal, Drawn };

// Fills the career record and the match with a fresh, randomly drawn team: the recruits free,
// the paintballs cleared, all eight slots, the weather particles and the pointer. Fields a
// new career does not set, such as the wins, losses and career statistics, keep their values.
void StartFreshCareer(Program& program, FreshAttributes attributes);

}  // namespace app
