#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gfx/decoders.h"

namespace gfx {

namespace {

// A font-unit length in 26.6 pixels at a size, in FreeType's fixed-point steps (FT_DivFix for
// the scale, FT_MulFix for the length), so that line metrics round as on the desktop.
std::int64_t ScaledUnits(int units, int pixel_size, int em_units) {
  const std::int64_t scale = ((std::int64_t{pixel_size} * 64 << 16) + em_units / 2) / em_units;
  const std::int64_t length = (std::abs(std::int64_t{units}) * scale + 0x8000) >> 16;
  return units < 0 ? -length : length;
}

// Whole pixels above a 26.6 length, as FreeType rounds a face's ascender up and its descender
// down.
int PixelsCovering(std::int64_t length) { return static_cast<int>((std::abs(length) + 63) >> 6); }

class StbTrueTypeFace : public FontFace {
 public:
  explicit StbTrueTypeFace(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    const int offset = stbtt_GetFontOffsetForIndex(bytes_.data(), 0);
    loaded_ = offset >= 0 && stbtt_InitFont(&font_, bytes_.data(), offset) != 0;
  }

  bool Loaded() const { return loaded_; }

  Glyph Render(unsigned char character, int pixel_size) override {
    Glyph glyph;
    // A character the face lacks is drawn as its missing-glyph box, as FreeType does.
    const int index = stbtt_FindGlyphIndex(&font_, character);
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
    return {PixelsCovering(ScaledUnits(ascent, pixel_size, EmUnits())), PixelsCovering(ScaledUnits(descent, pixel_size, EmUnits()))};
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
  return LoadedFace<StbTrueTypeFace>(std::move(bytes));
}

}  // namespace gfx
