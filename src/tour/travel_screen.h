#pragma once
#include "shell/screen.h"

namespace tour {

// The flight to the next country.
class TForm10 : public shell::Screen {
 public:
  explicit TForm10(shell::Program& program);
};

}  // namespace tour
