#include "gfx/fonts.h"

#include "gfx/decoders.h"
#include "gfx/picture.h"

namespace gfx {

FontLibrary::FontLibrary() = default;
FontLibrary::~FontLibrary() = default;

namespace {

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

// The sum of a table's big-endian words, its last word padded with zeros. The head table's
// own sum leaves out its checkSumAdjustment, the word at 8, which balances the whole file.
std::uint32_t TableSum(std::span<const std::uint8_t> table, bool is_head) {
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at < table.size(); at += 4) {
    if (is_head && at == 8) continue;
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) word = word << 8 | (at + i < table.size() ? table[at + i] : 0);
    sum += word;
  }
  return sum;
}

}  // namespace

bool FontTablesWhole(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kDirectoryStart = 12, kRecordSize = 16;
  if (bytes.size() < kDirectoryStart) return false;
  const std::size_t tables = std::size_t{bytes[4]} << 8 | bytes[5];
  if (tables == 0 || bytes.size() < kDirectoryStart + tables * kRecordSize) return false;
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t record = kDirectoryStart + i * kRecordSize;
    const std::uint64_t offset = BigEndian32(bytes, record + 8), length = BigEndian32(bytes, record + 12);
    if (offset + length > bytes.size()) return false;
    const bool is_head = BigEndian32(bytes, record) == 0x68656164;  // 'head'
    if (TableSum(bytes.subspan(offset, length), is_head) != BigEndian32(bytes, record + 4)) return false;
  }
  return true;
}

namespace {

// Nothing when the file cannot be read, is cut short or damaged, or is no font.
std::unique_ptr<FontFace> LoadFace(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes || !FontTablesWhole(*bytes)) return nullptr;
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
