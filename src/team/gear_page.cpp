#include "team/gear_page.h"

#include "shell/program.h"

namespace team {

TForm6::TForm6(shell::Program& program) : shell::Screen(program, 6, "Gear Page") {}

}  // namespace team
