#include "team/recruitment_screen.h"

#include "shell/program.h"

namespace team {

TForm12::TForm12(shell::Program& program) : shell::Screen(program, 12, "Form12") {}

}  // namespace team
