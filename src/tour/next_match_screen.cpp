#include "tour/next_match_screen.h"

#include "shell/program.h"

namespace tour {

TForm7::TForm7(shell::Program& program) : shell::Screen(program, 7, "Next Match") {}

}  // namespace tour
