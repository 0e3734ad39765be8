#pragma once
#include "shell/screen.h"

namespace tour {

// The world map and the countries of the tour.
class TForm5 : public shell::Screen {
 public:
  explicit TForm5(shell::Program& program);
};

}  // namespace tour
