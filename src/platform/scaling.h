#pragma once
#include <cstdint>

#include "core/host.h"
#include "gfx/canvas.h"

namespace platform {

// How large the player asked to see the picture.
struct ScaleChoice {
  enum class Kind {
    // The largest picture that fits, its shape kept, at any fraction.
    Fit,
    // The largest whole number at which it fits.
    LargestWhole,
    // Each pixel of the game a sharp square of Factor x Factor, if that fits.
    Whole,
  };
  Kind kind = Kind::Fit;
  int factor = 1;

  bool operator==(const ScaleChoice&) const = default;
};

// The largest whole number N at which the 800 x 600 picture, each of its pixels shown as an
// N x N square, fits the display; 1 on a display smaller than the picture.
int LargestScaleFitting(int display_width, int display_height);

// A rectangle of window pixels.
struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// How the game's client area lies on a window: the window divided by the scale, centred in it.
// The scale is a fraction, Numerator / Denominator, so that the area and the mouse come out
// exactly: 9/5 on 1920 x 1080 when fitted.
class Scaling {
 public:
  Scaling() : Scaling(800, 600, 1, 1) {}
  Scaling(int window_width, int window_height, int numerator, int denominator);
  // The scale the choice gives on a window of this size.
  static Scaling For(ScaleChoice choice, int window_width, int window_height);

  int WindowWidth() const { return window_width_; }
  int WindowHeight() const { return window_height_; }
  core::WindowSize GameArea() const { return area_; }
  double Factor() const { return static_cast<double>(numerator_) / denominator_; }
  bool IsWhole() const { return denominator_ == 1; }

  // The game pixel under a window pixel's centre, also left of or above the window while the
  // mouse is held and dragged out of it.
  gfx::Point ToGame(int window_x, int window_y) const {
    return {GameOf(window_x, origin_x_), GameOf(window_y, origin_y_)};
  }
  // Where a window pixel's centre lies in the game's area, in game pixels.
  double GameX(int window_x) const { return GamePosition(window_x, origin_x_); }
  double GameY(int window_y) const { return GamePosition(window_y, origin_y_); }
  // Where a game column or row begins on the window, in window pixels.
  double WindowX(double game_x) const { return WindowOf(game_x, origin_x_); }
  double WindowY(double game_y) const { return WindowOf(game_y, origin_y_); }
  // The window pixels that show something of these game pixels, within the window.
  WindowRect Covering(int game_x, int game_y, int width, int height) const;

  // The area and the origins follow from these.
  bool operator==(const Scaling& other) const {
    return window_width_ == other.window_width_ && window_height_ == other.window_height_ &&
           numerator_ == other.numerator_ && denominator_ == other.denominator_;
  }

 private:
  // Lengths on the window are counted in halves of 1 / Denominator of a pixel, so that the
  // centre of every window pixel and the edge of every game pixel is a whole number of them.
  int GameOf(int window, std::int64_t origin) const;
  double GamePosition(int window, std::int64_t origin) const;
  double WindowOf(double game, std::int64_t origin) const;

  int window_width_, window_height_;
  std::int64_t numerator_, denominator_;
  core::WindowSize area_;
  std::int64_t origin_x_, origin_y_;
};

}  // namespace platform
