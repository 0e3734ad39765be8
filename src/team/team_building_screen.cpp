#include "team/team_building_screen.h"

#include "shell/program.h"

namespace team {

TForm2::TForm2(shell::Program& program) : shell::Screen(program, 2, "Build Your Team") {}

}  // namespace team
