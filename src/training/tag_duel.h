#pragma once
#include "shell/screen.h"

namespace training {

// Tag-duel training.
class TForm18 : public shell::Screen {
 public:
  explicit TForm18(shell::Program& program);
};

}  // namespace training
