#pragma once
#include "shell/screen.h"

namespace training {

// Speed training.
class TForm17 : public shell::Screen {
 public:
  explicit TForm17(shell::Program& program);
};

}  // namespace training
