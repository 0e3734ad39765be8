#pragma once
#include "shell/screen.h"

namespace team {

// The team page, the hub between matches.
class TForm4 : public shell::Screen {
 public:
  explicit TForm4(shell::Program& program);
};

}  // namespace team
