#pragma once
#include "shell/screen.h"

namespace tour {

// The line-up and the opposition of the next match.
class TForm7 : public shell::Screen {
 public:
  explicit TForm7(shell::Program& program);

  void InputMouseDown(shell::MouseButton button, int x, int y) override { Image1MouseDown(button, x, y); }
  void Image1MouseDown(shell::MouseButton button, int x, int y);

 private:
  void Play();
};

}  // namespace tour
