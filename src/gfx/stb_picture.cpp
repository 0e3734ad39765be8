#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_FAILURE_STRINGS
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <climits>

#include "gfx/decoders.h"

namespace gfx {

bool DecodeJpegWithStb(std::span<const std::uint8_t> bytes, PictureSize& size, Picture* out) {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return false;
  const int length = static_cast<int>(bytes.size());
  int width = 0, height = 0, components = 0;
  if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &components)) return false;
  size = {width, height};
  if (!out) return true;
  if (width > kLargestPictureSide || height > kLargestPictureSide) return false;
  stbi_uc* rgb = stbi_load_from_memory(bytes.data(), length, &width, &height, &components, 3);
  if (!rgb) return false;
  *out = Picture(width, height);
  for (int y = 0; y < height; ++y) {
    const stbi_uc* source = rgb + static_cast<std::size_t>(y) * width * 3;
    std::uint32_t* target = out->Row(y);
    for (int x = 0; x < width; ++x) {
      target[x] = (std::uint32_t{source[3 * x]} << 16) | (std::uint32_t{source[3 * x + 1]} << 8) | source[3 * x + 2];
    }
  }
  stbi_image_free(rgb);
  return true;
}

}  // namespace gfx
