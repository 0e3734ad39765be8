#include "team/team_page.h"

#include "shell/program.h"

namespace team {

TForm4::TForm4(shell::Program& program) : shell::Screen(program, 4, "Team Page") {}

}  // namespace team
