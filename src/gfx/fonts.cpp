#include "gfx/fonts.h"

#include "gfx/decoders.h"
#include "gfx/picture.h"

namespace gfx {

FontLibrary::FontLibrary() = default;
FontLibrary::~FontLibrary() = default;

namespace {

std::unique_ptr<FontFace> LoadFace(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return nullptr;
  return LoadFontFace(std::move(*bytes));
}

}  // namespace

std::string FontLibrary::LoadFrom(const std::string& folder) {
  const std::string regular_path = folder + "/LiberationSans-Regular.ttf";
  const std::string bold_path = folder + "/LiberationSans-Bold.ttf";
  regular_ = LoadFace(regular_path);
  if (!regular_) return regular_path;
  bold_ = LoadFace(bold_path);
  if (!bold_) return bold_path;
  glyphs_.clear();
  metrics_.clear();
  return {};
}

bool FontLibrary::Loaded() const { return regular_ && bold_; }

FontFace* FontLibrary::FaceFor(bool bold) {
  if (bold && bold_) return bold_.get();
  return regular_.get();
}

const Glyph& FontLibrary::GlyphFor(unsigned char character, int pixel_size, bool bold) {
  const auto key = std::make_tuple(bold, pixel_size, character);
  const auto found = glyphs_.find(key);
  if (found != glyphs_.end()) return found->second;
  static const Glyph kNothing;
  FontFace* face = FaceFor(bold);
  // Nothing is remembered before the faces are loaded, so letters asked for early come out later.
  if (!face) return kNothing;
  return glyphs_[key] = face->Render(character, pixel_size);
}

FontMetrics FontLibrary::Metrics(int pixel_size, bool bold) {
  const auto key = std::make_tuple(bold, pixel_size);
  const auto found = metrics_.find(key);
  if (found != metrics_.end()) return found->second;
  FontFace* face = FaceFor(bold);
  if (!face) return {pixel_size, pixel_size / 4};
  return metrics_[key] = face->Metrics(pixel_size);
}

}  // namespace gfx
