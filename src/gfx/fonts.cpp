#include "gfx/fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "gfx/picture.h"

namespace gfx {

struct FontLibrary::FreeTypeLibrary {
  FT_Library handle = nullptr;
  FreeTypeLibrary() {
    if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
  }
  ~FreeTypeLibrary() {
    if (handle) FT_Done_FreeType(handle);
  }
};

struct FontLibrary::Face {
  std::vector<std::uint8_t> bytes;  // FreeType reads the face from here for its whole life
  FT_Face handle = nullptr;
  int current_size = 0;
  ~Face() {
    if (handle) FT_Done_Face(handle);
  }
  void UseSize(int pixel_size) {
    if (current_size == pixel_size) return;
    FT_Set_Pixel_Sizes(handle, 0, static_cast<FT_UInt>(pixel_size));
    current_size = pixel_size;
  }
};

FontLibrary::FontLibrary() : library_(std::make_unique<FreeTypeLibrary>()) {}
FontLibrary::~FontLibrary() {
  regular_.reset();
  bold_.reset();
}

namespace {

std::unique_ptr<FontLibrary::Face> LoadFace(FT_Library library, const std::string& path);

}  // namespace

std::string FontLibrary::LoadFrom(const std::string& folder) {
  const std::string regular_path = folder + "/LiberationSans-Regular.ttf";
  const std::string bold_path = folder + "/LiberationSans-Bold.ttf";
  if (!library_->handle) return regular_path;
  regular_ = LoadFace(library_->handle, regular_path);
  if (!regular_) return regular_path;
  bold_ = LoadFace(library_->handle, bold_path);
  if (!bold_) return bold_path;
  glyphs_.clear();
  metrics_.clear();
  return {};
}

namespace {

std::unique_ptr<FontLibrary::Face> LoadFace(FT_Library library, const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes || bytes->empty()) return nullptr;
  auto face = std::make_unique<FontLibrary::Face>();
  face->bytes = std::move(*bytes);
  if (FT_New_Memory_Face(library, face->bytes.data(), static_cast<FT_Long>(face->bytes.size()), 0, &face->handle) != 0) {
    face->handle = nullptr;
    return nullptr;
  }
  return face;
}

}  // namespace

bool FontLibrary::Loaded() const { return regular_ && bold_; }

FontLibrary::Face* FontLibrary::FaceFor(bool bold) {
  if (bold && bold_) return bold_.get();
  return regular_.get();
}

const Glyph& FontLibrary::GlyphFor(unsigned char character, int pixel_size, bool bold) {
  const auto key = std::make_tuple(bold, pixel_size, character);
  const auto found = glyphs_.find(key);
  if (found != glyphs_.end()) return found->second;
  static const Glyph kNothing;
  Face* face = FaceFor(bold);
  // Nothing is remembered before the faces are loaded, so letters asked for early come out later.
  if (!face) return kNothing;
  Glyph& glyph = glyphs_[key];
  face->UseSize(pixel_size);
  // Text bytes are Latin-1, which are also the first 256 Unicode code points.
  if (FT_Load_Char(face->handle, character, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
  const FT_GlyphSlot slot = face->handle->glyph;
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

FontMetrics FontLibrary::Metrics(int pixel_size, bool bold) {
  const auto key = std::make_tuple(bold, pixel_size);
  const auto found = metrics_.find(key);
  if (found != metrics_.end()) return found->second;
  FontMetrics metrics{pixel_size, pixel_size / 4};
  Face* face = FaceFor(bold);
  if (!face) return metrics;
  face->UseSize(pixel_size);
  const FT_Size_Metrics& size = face->handle->size->metrics;
  metrics.ascent = static_cast<int>((size.ascender + 63) >> 6);
  metrics.descent = static_cast<int>((-size.descender + 63) >> 6);
  metrics_[key] = metrics;
  return metrics;
}

}  // namespace gfx
