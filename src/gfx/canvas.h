#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "gfx/color.h"
#include "gfx/fonts.h"
#include "gfx/picture.h"

namespace gfx {

struct Point {
  int x = 0;
  int y = 0;
};

enum FontStyle : unsigned { kPlain = 0, kBold = 1 };

struct PenState {
  gfx::Color Color = colors::Black;
};

struct BrushState {
  gfx::Color Color = colors::White;
};

struct FontState {
  std::string Name = "MS Sans Serif";
  int Size = 8;  // points at 96 dots per inch
  gfx::Color Color = colors::Black;
  unsigned Style = kPlain;

  int PixelSize() const { return (Size * 96 + 36) / 72; }
};

// The off-screen picture a screen draws each tick, with the drawing state and calls the
// screens are written in. Rectangles and ellipses take their right and bottom edges
// exclusive; lines leave out their last point.
class Canvas {
 public:
  Canvas(int width, int height, FontLibrary* fonts);
  // Draws on a page given to it, as it is.
  Canvas(Picture page, FontLibrary* fonts);
  // Gives the page back; the canvas is empty after it.
  Picture ReleasePage() { return std::exchange(picture_, Picture{}); }

  PenState Pen;
  BrushState Brush;
  FontState Font;

  int Width() const { return picture_.Width(); }
  int Height() const { return picture_.Height(); }
  const Picture& Image() const { return picture_; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // Lines from each point to the next, as MoveTo the first and LineTo the rest.
  void Polyline(std::initializer_list<Point> points);
  void Rectangle(int left, int top, int right, int bottom);
  void FillRect(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  void SetPixel(int x, int y, Color color);
  Color PixelAt(int x, int y) const;
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight();
  void Draw(int x, int y, const Picture* picture);

 private:
  void Plot(int x, int y, std::uint32_t packed);
  void FillSpan(int y, int x_from, int x_to, std::uint32_t packed);
  void BlendGlyph(int pen_x, int baseline, const Glyph& glyph, Color color);
  bool Bold() const { return (Font.Style & kBold) != 0; }

  Picture picture_;
  FontLibrary* fonts_;
  int pen_x_ = 0;
  int pen_y_ = 0;
};

}  // namespace gfx
