#include <ft2build.h>
#include FT_FREETYPE_H

#include "gfx/decoders.h"

namespace gfx {

namespace {

class FreeTypeFace : public FontFace {
 public:
  explicit FreeTypeFace(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    if (FT_Init_FreeType(&library_) != 0) {
      library_ = nullptr;
      return;
    }
    if (FT_New_Memory_Face(library_, bytes_.data(), static_cast<FT_Long>(bytes_.size()), 0, &face_) != 0) face_ = nullptr;
  }
  ~FreeTypeFace() override {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
  }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  bool Loaded() const { return face_ != nullptr; }

  Glyph Render(unsigned char character, int pixel_size) override {
    Glyph glyph;
    UseSize(pixel_size);
    // Text bytes are Latin-1, which are also the first 256 Unicode code points.
    if (FT_Load_Char(face_, character, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
      for (int x = 0; x < glyph.width; ++x) {
        glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] = bitmap.buffer[y * bitmap.pitch + x];
      }
    }
    return glyph;
  }

  FontMetrics Metrics(int pixel_size) override {
    UseSize(pixel_size);
    const FT_Size_Metrics& size = face_->size->metrics;
    return {static_cast<int>((size.ascender + 63) >> 6), static_cast<int>((-size.descender + 63) >> 6)};
  }

 private:
  void UseSize(int pixel_size) {
    if (current_size_ == pixel_size) return;
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixel_size));
    current_size_ = pixel_size;
  }

  std::vector<std::uint8_t> bytes_;  // FreeType reads the face from here for its whole life
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  int current_size_ = 0;
};

}  // namespace

std::unique_ptr<FontFace> LoadFreeTypeFace(std::vector<std::uint8_t> bytes) {
  return LoadedFace<FreeTypeFace>(std::move(bytes));
}

}  // namespace gfx
