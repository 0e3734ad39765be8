#pragma once
#include "gfx/canvas.h"
#include "shell/host.h"

namespace platform {

// The largest whole number N at which the 800 x 600 picture, each of its pixels shown as an
// N x N square, fits the display; 1 on a display smaller than the picture.
int LargestScaleFitting(int display_width, int display_height);

// The window seen at a whole scale: each pixel of the game shows as a square of Factor x
// Factor window pixels, so the game is given a client area that many times smaller and the
// mouse is taken back to its pixels.
struct Scaling {
  int Factor = 1;

  shell::WindowSize GameArea(int window_width, int window_height) const {
    return {window_width / Factor, window_height / Factor};
  }
  // The game pixel under a window pixel, also left of or above the window while the mouse
  // is held and dragged out of it.
  gfx::Point ToGame(int window_x, int window_y) const { return {Down(window_x), Down(window_y)}; }
  int ToWindow(int game_length) const { return game_length * Factor; }

 private:
  int Down(int window_length) const {
    const int whole = window_length / Factor;
    return whole * Factor > window_length ? whole - 1 : whole;
  }
};

}  // namespace platform
