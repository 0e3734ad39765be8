#pragma once
#include "shell/screen.h"

namespace team {

// The gear catalogue.
class TForm6 : public shell::Screen {
 public:
  explicit TForm6(shell::Program& program);
};

}  // namespace team
