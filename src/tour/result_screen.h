#pragma once
#include "shell/screen.h"

namespace tour {

// The match result.
class TForm9 : public shell::Screen {
 public:
  explicit TForm9(shell::Program& program);
};

}  // namespace tour
