#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace gfx {

// One rendered character: coverage 0..255 per pixel, placed relative to the pen on the baseline.
struct Glyph {
  int width = 0;
  int height = 0;
  int left = 0;     // from the pen position to the bitmap's left edge
  int top = 0;      // from the baseline up to the bitmap's top row
  int advance = 0;  // pen movement in pixels
  std::vector<std::uint8_t> coverage;
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int Height() const { return ascent + descent; }
};

class FontFace;

// Whether a TrueType file holds every table its directory lists, each matching the checksum
// the directory gives it: a file cut short or with damaged bytes does not.
bool FontTablesWhole(std::span<const std::uint8_t> bytes);

// The bundled faces. Every font name the screens ask for ("MS Sans Serif", "Arial") is drawn
// in Liberation Sans, regular or bold.
class FontLibrary {
 public:
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // Loads LiberationSans-Regular.ttf and LiberationSans-Bold.ttf from the folder; returns
  // the name of the first file that could not be loaded or is damaged, or an empty string.
  std::string LoadFrom(const std::string& folder);
  bool Loaded() const;

  const Glyph& GlyphFor(unsigned char character, int pixel_size, bool bold);
  FontMetrics Metrics(int pixel_size, bool bold);

 private:
  FontFace* FaceFor(bool bold);

  std::unique_ptr<FontFace> regular_;
  std::unique_ptr<FontFace> bold_;
  std::map<std::tuple<bool, int, unsigned char>, Glyph> glyphs_;
  std::map<std::tuple<bool, int>, FontMetrics> metrics_;
};

}  // namespace gfx
