#include "training/tag_duel.h"

#include "shell/program.h"

namespace training {

TForm18::TForm18(shell::Program& program) : shell::Screen(program, 18, "Form18") {}

}  // namespace training
