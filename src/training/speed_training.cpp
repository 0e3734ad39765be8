#include "training/speed_training.h"

#include "shell/program.h"

namespace training {

TForm17::TForm17(shell::Program& program) : shell::Screen(program, 17, "Form17") {}

}  // namespace training
