#pragma once
// The two decoders the pictures and the letters go through: libjpeg and FreeType on the
// desktop, stb_image and stb_truetype in the browser. The build puts one pair in place behind
// DecodeJpeg and LoadFontFace; both pairs have names of their own, so that one program can
// hold both and compare them.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "gfx/fonts.h"
#include "gfx/picture.h"

namespace gfx {

// One face of a font file, drawn with its em mapped to the pixel size.
class FontFace {
 public:
  virtual ~FontFace() = default;
  // A Latin-1 character's coverage and placement; an empty glyph when the face has none.
  virtual Glyph Render(unsigned char character, int pixel_size) = 0;
  virtual FontMetrics Metrics(int pixel_size) = 0;
};

// Reads a JPEG's header into size and, unless out is null, decodes the picture into out;
// false when the bytes are not a picture the decoder can read.
bool DecodeJpeg(std::span<const std::uint8_t> bytes, PictureSize& size, Picture* out);
// A face from a font file's bytes, or nothing when they are not one.
std::unique_ptr<FontFace> LoadFontFace(std::vector<std::uint8_t> bytes);

bool DecodeJpegWithLibjpeg(std::span<const std::uint8_t> bytes, PictureSize& size, Picture* out);
bool DecodeJpegWithStb(std::span<const std::uint8_t> bytes, PictureSize& size, Picture* out);
std::unique_ptr<FontFace> LoadFreeTypeFace(std::vector<std::uint8_t> bytes);
std::unique_ptr<FontFace> LoadStbTrueTypeFace(std::vector<std::uint8_t> bytes);

// A face of the decoder's own kind from a font file's bytes, or nothing when they are not one.
template <typename Face>
std::unique_ptr<FontFace> LoadedFace(std::vector<std::uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  auto face = std::make_unique<Face>(std::move(bytes));
  if (!face->Loaded()) return nullptr;
  return face;
}

// The largest side of a picture either decoder takes.
inline constexpr int kLargestPictureSide = 8192;

}  // namespace gfx
