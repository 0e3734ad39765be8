#pragma once
#include "shell/screen.h"

namespace training {

// Target-shooting training.
class TForm19 : public shell::Screen {
 public:
  explicit TForm19(shell::Program& program);
};

}  // namespace training
