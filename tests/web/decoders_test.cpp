// The browser's decoders against the desktop's: every picture decodes to the same size and
// nearly the same colours, and every letter the game can draw, from the cut-down fonts the page
// carries, has the same line metrics and, within a pixel, the same width, place and advance as
// the desktop's from its whole fonts, so text lays out alike in both; the inked rows are
// within two.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "gfx/decoders.h"

namespace {

const std::string kGameDir = SPLATVANE_GAME_DIR;
const std::string kPageFontDir = SPLATVANE_PAGE_FONT_DIR;

std::vector<std::uint8_t> Bytes(const std::string& path) {
  auto bytes = gfx::ReadFileBytes(path);
  EXPECT_TRUE(bytes) << path;
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}

TEST(WebDecoders, EveryPictureDecodesAlike) {
  std::ifstream manifest(kGameDir + "/pictures/manifest.tsv");
  ASSERT_TRUE(manifest);
  std::string line;
  int compared = 0;
  while (std::getline(manifest, line)) {
    std::istringstream fields(line);
    std::string form, image;
    if (!(fields >> form >> image) || form.rfind("TForm", 0) != 0) continue;
    const std::string path = kGameDir + "/pictures/" + form + "/" + image + ".jpg";
    const auto bytes = Bytes(path);
    gfx::PictureSize desktop_size, web_size;
    gfx::Picture desktop, web;
    ASSERT_TRUE(gfx::DecodeJpegWithLibjpeg(bytes, desktop_size, &desktop)) << path;
    ASSERT_TRUE(gfx::DecodeJpegWithStb(bytes, web_size, &web)) << path;
    ASSERT_EQ(desktop.Width(), web.Width()) << path;
    ASSERT_EQ(desktop.Height(), web.Height()) << path;
    long total = 0;
    for (int y = 0; y < web.Height(); ++y) {
      for (int x = 0; x < web.Width(); ++x) {
        const gfx::Color a = desktop.ColorAt(x, y), b = web.ColorAt(x, y);
        total += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
      }
    }
    const double mean = static_cast<double>(total) / (3.0 * web.Width() * web.Height());
    EXPECT_LT(mean, 2.0) << path << " differs by " << mean << " levels on average";
    ++compared;
  }
  EXPECT_GT(compared, 300);
}

// The rows a glyph inks, from the baseline up: its top and bottom, leaving out faint edges
// where one rasteriser spreads a little more than the other.
struct Ink {
  int top = 0, bottom = 0;
};
Ink InkOf(const gfx::Glyph& glyph) {
  constexpr std::uint8_t kFaint = 48;
  Ink ink{0, 0};
  bool any = false;
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      if (glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] < kFaint) continue;
      if (!any) ink.top = glyph.top - y;
      ink.bottom = glyph.top - y;
      any = true;
    }
  }
  return ink;
}

TEST(WebDecoders, EveryLetterLaysOutAlike) {
  for (const char* style : {"Regular", "Bold"}) {
    const std::string file = std::string("LiberationSans-") + style + ".ttf";
    const auto desktop_bytes = Bytes(kGameDir + "/fonts/" + file);
    const auto page_bytes = Bytes(kPageFontDir + "/SplatvanePageSans-" + style + ".ttf");
    auto desktop = gfx::LoadFreeTypeFace(desktop_bytes);
    auto web = gfx::LoadStbTrueTypeFace(page_bytes);
    ASSERT_TRUE(desktop && web) << file;
    for (int size = 8; size <= 48; ++size) {
      const gfx::FontMetrics a = desktop->Metrics(size), b = web->Metrics(size);
      EXPECT_EQ(a.ascent, b.ascent) << file << " at " << size;
      EXPECT_EQ(a.descent, b.descent) << file << " at " << size;
      for (int code = 32; code < 256; ++code) {
        const auto character = static_cast<unsigned char>(code);
        const gfx::Glyph g = desktop->Render(character, size), h = web->Render(character, size);
        const auto near = [&](int x, int y, const char* what, int pixels = 1) {
          EXPECT_LE(std::abs(x - y), pixels) << file << " '" << code << "' at " << size << ": " << what << " " << x << " and " << y;
        };
        near(g.advance, h.advance, "advance");
        near(g.width, h.width, "width");
        near(g.left, h.left, "left");
        const Ink ink_g = InkOf(g), ink_h = InkOf(h);
        // FreeType's hinter moves accents and short strokes (quotes, =) a row further.
        near(ink_g.top, ink_h.top, "inked top", 2);
        near(ink_g.bottom, ink_h.bottom, "inked bottom", 2);
      }
    }
  }
}

}  // namespace
