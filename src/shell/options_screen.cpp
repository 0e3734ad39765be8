#include "shell/options_screen.h"

#include "shell/program.h"

namespace shell {

TForm3::TForm3(Program& program) : Screen(program, 3, "Options Screen") {}

}  // namespace shell
