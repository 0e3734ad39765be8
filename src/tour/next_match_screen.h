#pragma once
#include "shell/screen.h"

namespace tour {

// The line-up and the opposition of the next match.
class TForm7 : public shell::Screen {
 public:
  explicit TForm7(shell::Program& program);
};

}  // namespace tour
