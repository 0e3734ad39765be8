#include "match/match_screen.h"

#include "shell/program.h"

namespace match {

TForm8::TForm8(shell::Program& program) : shell::Screen(program, 8, "Game On") {}

}  // namespace match
