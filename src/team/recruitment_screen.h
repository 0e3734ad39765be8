#pragma once
#include "shell/screen.h"

namespace team {

// Recruitment.
class TForm12 : public shell::Screen {
 public:
  explicit TForm12(shell::Program& program);
};

}  // namespace team
