#include "tour/victory_screen.h"

#include "shell/program.h"

namespace tour {

TForm11::TForm11(shell::Program& program) : shell::Screen(program, 11, "Victory Screen (Form11)") {}

}  // namespace tour
