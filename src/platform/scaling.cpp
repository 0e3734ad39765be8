#include "platform/scaling.h"

#include <algorithm>
#include <numeric>

#include "core/screen.h"

namespace platform {

namespace {

std::int64_t FloorDivide(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
std::int64_t CeilDivide(std::int64_t a, std::int64_t b) { return -FloorDivide(-a, b); }

}  // namespace

int LargestScaleFitting(int display_width, int display_height) {
  return std::max(1, std::min(display_width / core::kPictureWidth, display_height / core::kPictureHeight));
}

Scaling::Scaling(int window_width, int window_height, int numerator, int denominator)
    : window_width_(std::max(1, window_width)), window_height_(std::max(1, window_height)) {
  const std::int64_t common = std::gcd(numerator, denominator);
  numerator_ = numerator / common;
  denominator_ = denominator / common;
  area_ = {static_cast<int>(window_width_ * denominator_ / numerator_),
           static_cast<int>(window_height_ * denominator_ / numerator_)};
  origin_x_ = window_width_ * denominator_ - area_.width * numerator_;
  origin_y_ = window_height_ * denominator_ - area_.height * numerator_;
}

Scaling Scaling::For(ScaleChoice choice, int window_width, int window_height) {
  window_width = std::max(1, window_width);
  window_height = std::max(1, window_height);
  const int largest_whole = LargestScaleFitting(window_width, window_height);
  // Smaller than the picture even at its own size, the window shows it shrunk, never cropped.
  const bool too_small = window_width < core::kPictureWidth || window_height < core::kPictureHeight;
  if (too_small) choice.kind = ScaleChoice::Kind::Fit;
  switch (choice.kind) {
    case ScaleChoice::Kind::LargestWhole: return {window_width, window_height, largest_whole, 1};
    case ScaleChoice::Kind::Whole:
      return {window_width, window_height, std::clamp(choice.factor, 1, largest_whole), 1};
    case ScaleChoice::Kind::Fit: break;
  }
  // The side that meets the window's edge first sets the scale.
  if (static_cast<std::int64_t>(window_width) * core::kPictureHeight <=
      static_cast<std::int64_t>(window_height) * core::kPictureWidth) {
    return {window_width, window_height, window_width, core::kPictureWidth};
  }
  return {window_width, window_height, window_height, core::kPictureHeight};
}

int Scaling::GameOf(int window, std::int64_t origin) const {
  const std::int64_t centre = (2 * std::int64_t{window} + 1) * denominator_;
  return static_cast<int>(FloorDivide(centre - origin, 2 * numerator_));
}

double Scaling::GamePosition(int window, std::int64_t origin) const {
  const std::int64_t centre = (2 * std::int64_t{window} + 1) * denominator_;
  return static_cast<double>(centre - origin) / (2.0 * static_cast<double>(numerator_));
}

double Scaling::WindowOf(double game, std::int64_t origin) const {
  return (static_cast<double>(origin) + game * 2.0 * static_cast<double>(numerator_)) /
         (2.0 * static_cast<double>(denominator_));
}

WindowRect Scaling::Covering(int game_x, int game_y, int width, int height) const {
  const auto from = [this](std::int64_t game, std::int64_t origin) {
    return FloorDivide(origin + game * 2 * numerator_, 2 * denominator_);
  };
  const auto to = [this](std::int64_t game, std::int64_t origin) {
    return CeilDivide(origin + game * 2 * numerator_, 2 * denominator_);
  };
  const std::int64_t left = std::clamp<std::int64_t>(from(game_x, origin_x_), 0, window_width_);
  const std::int64_t top = std::clamp<std::int64_t>(from(game_y, origin_y_), 0, window_height_);
  const std::int64_t right = std::clamp<std::int64_t>(to(std::int64_t{game_x} + width, origin_x_), left, window_width_);
  const std::int64_t bottom =
      std::clamp<std::int64_t>(to(std::int64_t{game_y} + height, origin_y_), top, window_height_);
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

}  // namespace platform
