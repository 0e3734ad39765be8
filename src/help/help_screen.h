#pragma once
#include "shell/screen.h"

namespace help {

// The help screen.
class TForm13 : public shell::Screen {
 public:
  explicit TForm13(shell::Program& program);
  bool DrawsWholeWindow() const override { return true; }
};

}  // namespace help
