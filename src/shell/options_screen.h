#pragma once
#include "shell/screen.h"

namespace shell {

// The options of a new career.
class TForm3 : public Screen {
 public:
  explicit TForm3(Program& program);
};

}  // namespace shell
