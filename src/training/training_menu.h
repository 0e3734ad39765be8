#pragma once
#include "shell/screen.h"

namespace training {

// The training menu.
class TForm16 : public shell::Screen {
 public:
  explicit TForm16(shell::Program& program);
};

}  // namespace training
