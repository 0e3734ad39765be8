#include "training/training_menu.h"

#include "shell/program.h"

namespace training {

TForm16::TForm16(shell::Program& program) : shell::Screen(program, 16, "Form16") {}

}  // namespace training
