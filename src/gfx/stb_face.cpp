#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

#include <cmath>

#include "gfx/decoders.h"

namespace gfx {

namespace {

// FreeType's rounding of a TrueType face's line metrics, so that text lays out as on the
// desktop: a face whose header asks for whole-pixel scaling (as the bundled ones do) has
// them rounded to the nearest pixel, any other has the ascender rounded up and the
// descender down.
bool ScalesToWholePixels(const stbtt_fontinfo& font) {
  const std::uint8_t* flags = font.data + font.head + 16;
  return ((flags[0] << 8 | flags[1]) & 8) != 0;
}

class StbTrueTypeFace : public FontFace {
 public:
  explicit StbTrueTypeFace(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    const int offset = stbtt_GetFontOffsetForIndex(bytes_.data(), 0);
    loaded_ = offset >= 0 && stbtt_InitFont(&font_, bytes_.data(), offset) != 0;
  }

  bool Loaded() const { return loaded_; }

  Glyph Render(unsigned char character, int pixel_size) override {
    Glyph glyph;
    const int index = stbtt_FindGlyphIndex(&font_, character);
    if (index == 0 && character != 0) return glyph;
    const float scale = Scale(pixel_size);
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&font_, index, &advance, &bearing);
    glyph.advance = static_cast<int>(std::lround(advance * scale));
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBox(&font_, index, scale, scale, &x0, &y0, &x1, &y1);
    glyph.width = std::max(0, x1 - x0);
    glyph.height = std::max(0, y1 - y0);
    glyph.left = x0;
    glyph.top = -y0;
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    if (!glyph.coverage.empty()) {
      stbtt_MakeGlyphBitmap(&font_, glyph.coverage.data(), glyph.width, glyph.height, glyph.width, scale, scale, index);
    }
    return glyph;
  }

  FontMetrics Metrics(int pixel_size) override {
    int ascent = 0, descent = 0, gap = 0;
    stbtt_GetFontVMetrics(&font_, &ascent, &descent, &gap);
    const double scale = static_cast<double>(pixel_size) / EmUnits();
    const double up = ascent * scale, down = -descent * scale;
    if (ScalesToWholePixels(font_)) return {static_cast<int>(std::lround(up)), static_cast<int>(std::lround(down))};
    return {static_cast<int>(std::ceil(up)), static_cast<int>(std::ceil(down))};
  }

 private:
  // The em, not the ascender-to-descender height, is mapped to the pixel size.
  float Scale(int pixel_size) const { return stbtt_ScaleForMappingEmToPixels(&font_, static_cast<float>(pixel_size)); }
  int EmUnits() const {
    const std::uint8_t* units = font_.data + font_.head + 18;
    return units[0] << 8 | units[1];
  }

  std::vector<std::uint8_t> bytes_;  // stb_truetype reads the face from here for its whole life
  stbtt_fontinfo font_{};
  bool loaded_ = false;
};

}  // namespace

std::unique_ptr<FontFace> LoadStbTrueTypeFace(std::vector<std::uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  auto face = std::make_unique<StbTrueTypeFace>(std::move(bytes));
  if (!face->Loaded()) return nullptr;
  return face;
}

}  // namespace gfx
