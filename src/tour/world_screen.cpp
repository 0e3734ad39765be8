#include "tour/world_screen.h"

#include "shell/program.h"

namespace tour {

TForm5::TForm5(shell::Program& program) : shell::Screen(program, 5, "World") {}

}  // namespace tour
