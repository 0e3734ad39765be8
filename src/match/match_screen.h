#pragma once
#include "shell/screen.h"

namespace match {

// The live match.
class TForm8 : public shell::Screen {
 public:
  explicit TForm8(shell::Program& program);
};

}  // namespace match
