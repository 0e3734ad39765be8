#pragma once
#include "shell/screen.h"

namespace tour {

// The tour victory.
class TForm11 : public shell::Screen {
 public:
  explicit TForm11(shell::Program& program);
};

}  // namespace tour
