#pragma once
#include "shell/screen.h"

namespace team {

// The team-building screen: names and portraits of a new team.
class TForm2 : public shell::Screen {
 public:
  explicit TForm2(shell::Program& program);
};

}  // namespace team
