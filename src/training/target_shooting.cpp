#include "training/target_shooting.h"

#include "shell/program.h"

namespace training {

TForm19::TForm19(shell::Program& program) : shell::Screen(program, 19, "Form19") {}

}  // namespace training
