#include "gfx/decoders.h"

namespace gfx {

bool DecodeJpeg(std::span<const std::uint8_t> bytes, PictureSize& size, Picture* out) {
  return DecodeJpegWithStb(bytes, size, out);
}

std::unique_ptr<FontFace> LoadFontFace(std::vector<std::uint8_t> bytes) { return LoadStbTrueTypeFace(std::move(bytes)); }

}  // namespace gfx
