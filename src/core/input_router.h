#pragma once
#include "core/screen.h"

namespace core {

// Passes the window's mouse to a screen the way its input picture receives it: only inside
// the picture, in picture coordinates; a press keeps the mouse until its release, and a left
// press released over the picture is also a click.
class InputRouter {
 public:
  struct Origin {
    int left = 0;
    int top = 0;
  };

  template <typename Run>
  void MouseDown(Screen& screen, Origin origin, int x, int y, MouseButton button, Run&& run) {
    const int px = x - origin.left, py = y - origin.top;
    if (!screen.Input().Contains(px, py)) return;
    pressed_ = &screen;
    held_ |= Bit(button);
    if (button == MouseButton::Left) left_pressed_ = true;
    run([&] { screen.InputMouseDown(button, px, py); });
  }

  template <typename Run>
  void MouseUp(Screen* visible, Origin origin, int x, int y, MouseButton button, Run&& run) {
    Screen* pressed = pressed_;
    const bool left_click = button == MouseButton::Left && left_pressed_;
    // The picture keeps the mouse until the last held button is let go, so that both buttons
    // pressed together are both released to it.
    held_ &= ~Bit(button);
    if (held_ == 0) pressed_ = nullptr;
    if (button == MouseButton::Left) left_pressed_ = false;
    if (!pressed || pressed != visible) return;
    const int px = x - origin.left, py = y - origin.top;
    if (left_click && pressed->Input().Contains(px, py)) run([&] { pressed->InputClick(px, py); });
    if (pressed->Visible()) run([&] { pressed->InputMouseUp(button, px, py); });
  }

  template <typename Run>
  void MouseMove(Screen& screen, Origin origin, int x, int y, Run&& run) {
    const int px = x - origin.left, py = y - origin.top;
    if (screen.Input().Contains(px, py)) run([&] { screen.InputMouseMove(px, py); });
  }

 private:
  static unsigned Bit(MouseButton button) { return 1u << static_cast<unsigned>(button); }

  Screen* pressed_ = nullptr;
  unsigned held_ = 0;
  bool left_pressed_ = false;
};

}  // namespace core
