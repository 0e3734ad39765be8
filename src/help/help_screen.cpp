#include "help/help_screen.h"

#include "shell/program.h"

namespace help {

TForm13::TForm13(shell::Program& program) : shell::Screen(program, 13, "Form13") {}

}  // namespace help
