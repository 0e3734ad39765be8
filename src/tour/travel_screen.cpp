#include "tour/travel_screen.h"

#include "shell/program.h"

namespace tour {

TForm10::TForm10(shell::Program& program) : shell::Screen(program, 10, "Form10", shell::InputPicture{801, 593}) {}

}  // namespace tour
