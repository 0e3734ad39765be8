#include "tour/result_screen.h"

#include "shell/program.h"

namespace tour {

TForm9::TForm9(shell::Program& program) : shell::Screen(program, 9, "Form9", shell::InputPicture{793, 593}) {}

}  // namespace tour
