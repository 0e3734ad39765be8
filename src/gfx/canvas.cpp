#include "gfx/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace gfx {

Canvas::Canvas(int width, int height, FontLibrary* fonts) : picture_(width, height), fonts_(fonts) {}

Canvas::Canvas(Picture page, FontLibrary* fonts) : picture_(std::move(page)), fonts_(fonts) {}

void Canvas::Plot(int x, int y, std::uint32_t packed) {
  if (picture_.Contains(x, y)) picture_.SetPixel(x, y, packed);
}

void Canvas::FillSpan(int y, int x_from, int x_to, std::uint32_t packed) {
  if (y < 0 || y >= Height()) return;
  x_from = std::max(x_from, 0);
  x_to = std::min(x_to, Width() - 1);
  if (x_from > x_to) return;
  std::fill(picture_.Row(y) + x_from, picture_.Row(y) + x_to + 1, packed);
}

void Canvas::MoveTo(int x, int y) {
  pen_x_ = x;
  pen_y_ = y;
}

namespace {

struct Segment {
  double x0, y0, x1, y1;
  bool end_clipped = false;
};

// Cuts a line down to the part inside the box, so that a wild coordinate never means a
// walk of millions of steps. Nothing when the line misses the box.
std::optional<Segment> ClipToBox(Segment s, double width, double height) {
  double t0 = 0.0, t1 = 1.0;
  const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x0 + 1.0, width - s.x0, s.y0 + 1.0, height - s.y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return std::nullopt;
  Segment clipped{s.x0 + t0 * dx, s.y0 + t0 * dy, s.x0 + t1 * dx, s.y0 + t1 * dy, t1 < 1.0};
  return clipped;
}

}  // namespace

void Canvas::LineTo(int x, int y) {
  const auto clipped = ClipToBox({double(pen_x_), double(pen_y_), double(x), double(y)}, Width(), Height());
  MoveTo(x, y);
  if (!clipped) return;
  const std::uint32_t packed = Pen.Color.Packed();
  int cx = static_cast<int>(std::lround(clipped->x0));
  int cy = static_cast<int>(std::lround(clipped->y0));
  const int ex = static_cast<int>(std::lround(clipped->x1));
  const int ey = static_cast<int>(std::lround(clipped->y1));
  const int dx = std::abs(ex - cx);
  const int dy = -std::abs(ey - cy);
  const int sx = cx < ex ? 1 : -1;
  const int sy = cy < ey ? 1 : -1;
  int error = dx + dy;
  int steps = std::max(dx, -dy) + (clipped->end_clipped ? 1 : 0);
  while (steps-- > 0) {
    Plot(cx, cy, packed);
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      cx += sx;
    }
    if (doubled <= dx) {
      error += dx;
      cy += sy;
    }
  }
}

void Canvas::Polyline(std::initializer_list<Point> points) {
  if (points.size() == 0) return;
  MoveTo(points.begin()->x, points.begin()->y);
  for (auto point = points.begin() + 1; point != points.end(); ++point) LineTo(point->x, point->y);
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
  const std::uint32_t packed = Brush.Color.Packed();
  for (int y = std::max(top, 0); y < std::min(bottom, Height()); ++y) FillSpan(y, left, right - 1, packed);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  if (right - 1 < 0 || bottom - 1 < 0 || left >= Width() || top >= Height()) return;
  FillRect(left + 1, top + 1, right - 1, bottom - 1);
  const std::uint32_t packed = Pen.Color.Packed();
  FillSpan(top, left, right - 1, packed);
  FillSpan(bottom - 1, left, right - 1, packed);
  for (int y = std::max(top, 0); y < std::min(bottom, Height()); ++y) {
    Plot(left, y, packed);
    Plot(right - 1, y, packed);
  }
}

namespace {

// Each row's first and last column of an ellipse of one size.
struct EllipseRows {
  int width = 0;
  int height = 0;
  std::vector<int> from, to;
};

// The rows of the last size asked for are kept, since a storm draws thousands of equal specks
// a tick; the rows depend on nothing but the size.
const EllipseRows& RowsOfEllipse(int width, int height) {
  thread_local EllipseRows rows;
  if (rows.width == width && rows.height == height) return rows;
  rows.width = width;
  rows.height = height;
  rows.from.resize(height);
  rows.to.resize(height);
  const double rx = width / 2.0;
  const double ry = height / 2.0;
  // The half-width of the ellipse on each row, taken at the row's centre.
  for (int row = 0; row < height; ++row) {
    const double v = (row + 0.5 - ry) / ry;
    const double half = rx * std::sqrt(std::max(0.0, 1.0 - v * v));
    rows.from[row] = static_cast<int>(std::lround(rx - half));
    rows.to[row] = static_cast<int>(std::lround(rx + half)) - 1;
    if (rows.to[row] < rows.from[row]) rows.to[row] = rows.from[row] = static_cast<int>(rx);
  }
  return rows;
}

}  // namespace

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  // Shapes bigger than any screen come only from wild positions; they would cover nothing sensible.
  constexpr long long kLargest = 16384;
  if (static_cast<long long>(right) - left > kLargest || static_cast<long long>(bottom) - top > kLargest) return;
  const int height = bottom - top;
  const EllipseRows& rows = RowsOfEllipse(right - left, height);
  const std::vector<int>& from = rows.from;
  const std::vector<int>& to = rows.to;
  const std::uint32_t fill = Brush.Color.Packed();
  const std::uint32_t outline = Pen.Color.Packed();
  for (int row = 0; row < height; ++row) {
    const int y = top + row;
    FillSpan(y, left + from[row], left + to[row], fill);
    // The outline closes each row's ends and any part of the row the neighbour rows do not cover.
    const int above_from = row > 0 ? from[row - 1] : to[row] + 1;
    const int above_to = row > 0 ? to[row - 1] : to[row];
    const int below_from = row + 1 < height ? from[row + 1] : to[row] + 1;
    const int below_to = row + 1 < height ? to[row + 1] : to[row];
    for (int x = from[row]; x <= to[row]; ++x) {
      const bool edge = x == from[row] || x == to[row] || x < above_from || x > above_to || x < below_from ||
                        x > below_to;
      if (edge) Plot(left + x, y, outline);
    }
  }
}

void Canvas::SetPixel(int x, int y, Color color) { Plot(x, y, color.Packed()); }

Color Canvas::PixelAt(int x, int y) const {
  if (!picture_.Contains(x, y)) return colors::White;
  return picture_.ColorAt(x, y);
}

int Canvas::TextHeight() {
  if (!fonts_) return Font.PixelSize();
  return fonts_->Metrics(Font.PixelSize(), Bold()).Height();
}

int Canvas::TextWidth(std::string_view text) {
  if (!fonts_) return 0;
  int width = 0;
  for (const char c : text) width += fonts_->GlyphFor(static_cast<unsigned char>(c), Font.PixelSize(), Bold()).advance;
  return width;
}

void Canvas::BlendGlyph(int pen_x, int baseline, const Glyph& glyph, Color color) {
  for (int gy = 0; gy < glyph.height; ++gy) {
    const int y = baseline - glyph.top + gy;
    if (y < 0 || y >= Height()) continue;
    std::uint32_t* row = picture_.Row(y);
    for (int gx = 0; gx < glyph.width; ++gx) {
      const int x = pen_x + glyph.left + gx;
      if (x < 0 || x >= Width()) continue;
      const unsigned a = glyph.coverage[static_cast<std::size_t>(gy) * glyph.width + gx];
      if (a == 0) continue;
      const Color under = Color::FromPacked(row[x]);
      const auto mix = [a](unsigned from, unsigned to) {
        return static_cast<std::uint8_t>((from * (255 - a) + to * a + 127) / 255);
      };
      row[x] = Color{mix(under.r, color.r), mix(under.g, color.g), mix(under.b, color.b)}.Packed();
    }
  }
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  if (!fonts_ || !fonts_->Loaded()) return;
  const int size = Font.PixelSize();
  const FontMetrics metrics = fonts_->Metrics(size, Bold());
  FillRect(x, y, x + TextWidth(text), y + metrics.Height());
  int pen = x;
  for (const char c : text) {
    const Glyph& glyph = fonts_->GlyphFor(static_cast<unsigned char>(c), size, Bold());
    BlendGlyph(pen, y + metrics.ascent, glyph, Font.Color);
    pen += glyph.advance;
  }
  MoveTo(pen, y);
}

namespace {

// A whole-row copy stays quick in the checked builds; a picture drawn onto itself is copied
// pixel by pixel as before.
void CopyPixels(const std::uint32_t* from, int count, std::uint32_t* to) {
  const std::less<> before;
  if (before(from + count, to + 1) || before(to + count, from + 1)) {
    std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
  } else {
    std::copy(from, from + count, to);
  }
}

}  // namespace

void Canvas::Draw(int x, int y, const Picture* picture) {
  if (!picture) return;
  const int from_x = std::max(0, -x);
  const int to_x = std::min(picture->Width(), Width() - x);
  if (from_x >= to_x) return;
  for (int py = std::max(0, -y); py < std::min(picture->Height(), Height() - y); ++py) {
    CopyPixels(picture->Row(py) + from_x, to_x - from_x, picture_.Row(y + py) + x + from_x);
  }
}

}  // namespace gfx
