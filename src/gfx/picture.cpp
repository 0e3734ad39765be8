#include "gfx/picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

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

namespace {

struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void LeaveOnJpegError(j_common_ptr info) {
  auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

constexpr long kLargestSide = 8192;

// libjpeg reports errors by longjmp; nothing with a destructor may live in this frame.
// Reads the header into size and, unless out is null, decodes the picture into out.
bool DecodeInto(std::span<const std::uint8_t> bytes, PictureSize* size, Picture* out) {
  jpeg_decompress_struct info;
  JpegErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = LeaveOnJpegError;
  trap.manager.output_message = IgnoreJpegMessage;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  *size = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
  if (!out) {
    jpeg_destroy_decompress(&info);
    return true;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || info.output_width > kLargestSide || info.output_height > kLargestSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  *out = Picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  JSAMPLE row[kLargestSide * 3];
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    std::uint32_t* target = out->Row(y);
    for (unsigned x = 0; x < info.output_width; ++x) {
      target[x] = (std::uint32_t{row[3 * x]} << 16) | (std::uint32_t{row[3 * x + 1]} << 8) | row[3 * x + 2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<PictureSize> JpegSize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4) return std::nullopt;
  PictureSize size;
  if (!DecodeInto(bytes, &size, nullptr)) return std::nullopt;
  return size;
}

std::optional<Picture> Picture::FromJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4) return std::nullopt;
  Picture decoded;
  PictureSize size;
  if (!DecodeInto(bytes, &size, &decoded)) return std::nullopt;
  return decoded;
}

std::optional<Picture> Picture::FromJpegFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return FromJpeg(*bytes);
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
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
