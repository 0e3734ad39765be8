#include "gfx/picture.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gfx/decoders.h"

namespace gfx {

Picture::Picture(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill.Packed()) {}

// The first pixel is set and then copied over the rest in doubling blocks: whole-block copies
// stay quick in the checked builds, where a pixel-by-pixel fill is checked pixel by pixel.
void Picture::Fill(Color color) {
  if (pixels_.empty()) return;
  pixels_[0] = color.Packed();
  for (std::size_t filled = 1; filled < pixels_.size();) {
    const std::size_t block = std::min(filled, pixels_.size() - filled);
    std::memcpy(pixels_.data() + filled, pixels_.data(), block * sizeof(std::uint32_t));
    filled += block;
  }
}

std::optional<PictureSize> JpegSize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4) return std::nullopt;
  PictureSize size;
  if (!DecodeJpeg(bytes, size, nullptr)) return std::nullopt;
  return size;
}

std::optional<Picture> Picture::FromJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4) return std::nullopt;
  Picture decoded;
  PictureSize size;
  if (!DecodeJpeg(bytes, size, &decoded)) return std::nullopt;
  return decoded;
}

std::optional<Picture> Picture::FromJpegFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return FromJpeg(*bytes);
}

bool JpegEndsWhole(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[bytes.size() - 2] == 0xFF && bytes[bytes.size() - 1] == 0xD9;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

}  // namespace gfx
