#pragma once
#include "shell/screen.h"

namespace tour {

// The flight to the next country.
class TForm10 : public shell::Screen {
 public:
  explicit TForm10(shell::Program& program);

  int PlaneX = -300;    // x of the airliner picture
  int TravelBand = 0;   // 0..801, the animation clock
};

}  // namespace tour
