#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "gfx/color.h"

namespace gfx {

// A decoded picture: width x height pixels, row by row, 0x00RRGGBB.
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, Color fill = colors::White);
  Picture(const Picture&) = default;
  Picture& operator=(const Picture&) = default;
  // A picture moved from is left empty, never a size without its pixels.
  Picture(Picture&& other) noexcept
      : width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)), pixels_(std::move(other.pixels_)) {}
  Picture& operator=(Picture&& other) noexcept {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    return *this;
  }

  // Decodes a JPEG; nothing when the bytes are not a picture the decoder can read.
  static std::optional<Picture> FromJpeg(std::span<const std::uint8_t> bytes);
  static std::optional<Picture> FromJpegFile(const std::string& path);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t PixelAt(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  Color ColorAt(int x, int y) const { return Color::FromPacked(PixelAt(x, y)); }
  void SetPixel(int x, int y, std::uint32_t packed) { pixels_[static_cast<std::size_t>(y) * width_ + x] = packed; }
  void Fill(Color color);
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

struct PictureSize {
  int width = 0;
  int height = 0;
};

// The size a JPEG's header gives, without decoding it; nothing when the bytes are not a
// picture the decoder can read.
std::optional<PictureSize> JpegSize(std::span<const std::uint8_t> bytes);

// Whether the bytes end with a JPEG's end-of-image marker, as every whole file does.
bool JpegEndsWhole(std::span<const std::uint8_t> bytes);

// Reads a whole plain file; nothing when it cannot be read or is no plain file (a folder, a
// named pipe), which is never waited on.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

}  // namespace gfx
