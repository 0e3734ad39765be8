#include "gfx/controls.h"

#include <algorithm>
#include <utility>

#include "gfx/page_pool.h"

namespace gfx {

namespace {

constexpr Color kFace{192, 192, 192};
constexpr Color kShadow{128, 128, 128};
constexpr Color kDarkShadow{64, 64, 64};
constexpr Color kLight{224, 224, 224};
constexpr Color kTrack{232, 232, 232};
constexpr Color kDisabledArrow{160, 160, 160};

bool Bold(const FontState& font) { return (font.Style & kBold) != 0; }

// Fonts asked before they are loaded would remember empty letters.
bool Usable(const FontLibrary* fonts) { return fonts && fonts->Loaded(); }

void HorizontalLine(Canvas& canvas, int left, int right, int y, Color color) {
  canvas.Pen.Color = color;
  canvas.MoveTo(left, y);
  canvas.LineTo(right, y);
}

void VerticalLine(Canvas& canvas, int x, int top, int bottom, Color color) {
  canvas.Pen.Color = color;
  canvas.MoveTo(x, top);
  canvas.LineTo(x, bottom);
}

void FillArea(Canvas& canvas, const Rect& area, Color color) {
  canvas.Brush.Color = color;
  canvas.FillRect(area.left, area.top, area.Right(), area.Bottom());
}

// A raised edge: light above and to the left, shadowed below and to the right.
void RaisedEdge(Canvas& canvas, const Rect& area) {
  HorizontalLine(canvas, area.left, area.Right() - 1, area.top, colors::White);
  VerticalLine(canvas, area.left, area.top, area.Bottom() - 1, colors::White);
  HorizontalLine(canvas, area.left, area.Right(), area.Bottom() - 1, kDarkShadow);
  VerticalLine(canvas, area.Right() - 1, area.top, area.Bottom() - 1, kDarkShadow);
  HorizontalLine(canvas, area.left + 1, area.Right() - 1, area.Bottom() - 2, kShadow);
  VerticalLine(canvas, area.Right() - 2, area.top + 1, area.Bottom() - 2, kShadow);
}

}  // namespace

int MeasureText(FontLibrary* fonts, const FontState& font, std::string_view text) {
  if (!Usable(fonts)) return 0;
  int width = 0;
  for (const char c : text) width += fonts->GlyphFor(static_cast<unsigned char>(c), font.PixelSize(), Bold(font)).advance;
  return width;
}

int LineHeight(FontLibrary* fonts, const FontState& font) {
  if (!Usable(fonts)) return font.PixelSize();
  return fonts->Metrics(font.PixelSize(), Bold(font)).Height();
}

// --- Label -------------------------------------------------------------------------------

Label::Label(int left, int top, std::string caption, FontState font)
    : left_(left), top_(top), caption_(std::move(caption)), font_(std::move(font)) {}

Rect Label::Bounds(FontLibrary* fonts) const {
  return {left_, top_, MeasureText(fonts, font_, caption_), LineHeight(fonts, font_)};
}

void Label::Draw(Canvas& canvas) const {
  canvas.Font = font_;
  canvas.Brush.Color = colors::White;
  canvas.TextOut(left_, top_, caption_);
}

// --- PictureControl ----------------------------------------------------------------------

PictureControl::PictureControl(int left, int top, int width, int height) : bounds_{left, top, width, height} {}

void PictureControl::Draw(Canvas& canvas, const Picture* picture) const { canvas.Draw(bounds_.left, bounds_.top, picture); }

// --- Memo: content -----------------------------------------------------------------------

Memo::Memo(Rect bounds, FontLibrary* fonts, FontState font) : bounds_(bounds), fonts_(fonts), font_(std::move(font)) {}

Memo::~Memo() { GiveBackPage(std::move(text_page_)); }

void Memo::SetText(std::string_view text) {
  lines_.clear();
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines_.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty() || lines_.empty()) lines_.push_back(std::move(line));
  caret_ = {};
  caret_x_ = 0;
  top_row_ = 0;
  dragging_thumb_ = false;
  TextChanged();
}

std::string Memo::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void Memo::TextChanged() {
  rows_valid_ = false;
  ScrollTo(top_row_);
}

// --- Memo: layout --------------------------------------------------------------------------

int Memo::CharWidth(char character) const {
  if (!Usable(fonts_)) return 0;
  return fonts_->GlyphFor(static_cast<unsigned char>(character), font_.PixelSize(), Bold(font_)).advance;
}

int Memo::WidthOf(std::string_view text) const { return MeasureText(fonts_, font_, text); }
int Memo::RowHeight() const { return std::max(1, LineHeight(fonts_, font_)); }

Rect Memo::TextArea() const {
  return {bounds_.left + kBorder, bounds_.top + kBorder, std::max(0, bounds_.width - 2 * kBorder - kScrollBarWidth),
          std::max(0, bounds_.height - 2 * kBorder)};
}

int Memo::WrapWidth() const { return std::max(1, TextArea().width - 2 * kMargin); }

// The end of the words from `start` that fit the width; a word wider than the whole width
// is broken between characters, and at least one character always goes on a row.
int Memo::FittingEnd(const std::string& text, int start) const {
  const int length = static_cast<int>(text.size());
  const int width = WrapWidth();
  int end = start;
  int used = 0;
  while (end < length) {
    int word_end = end;
    while (word_end < length && text[word_end] == ' ') ++word_end;
    while (word_end < length && text[word_end] != ' ') ++word_end;
    const int word_width = WidthOf(std::string_view(text).substr(end, word_end - end));
    if (used + word_width <= width) {
      used += word_width;
      end = word_end;
      continue;
    }
    if (end > start) break;
    while (end < length && (end == start || used + CharWidth(text[end]) <= width)) used += CharWidth(text[end++]);
    break;
  }
  while (end < length && text[end] == ' ') ++end;  // spaces hang at the row's end
  return end;
}

void Memo::WrapLine(int line, std::vector<Row>& rows) const {
  const std::string& text = lines_[static_cast<std::size_t>(line)];
  const int length = static_cast<int>(text.size());
  int start = 0;
  do {
    const int end = FittingEnd(text, start);
    rows.push_back({line, start, end});
    start = end;
  } while (start < length);
}

const std::vector<Memo::Row>& Memo::Rows() const {
  if (!rows_valid_) {
    rows_.clear();
    for (int line = 0; line < static_cast<int>(lines_.size()); ++line) WrapLine(line, rows_);
    rows_valid_ = Usable(fonts_);
  }
  return rows_;
}

int Memo::RowCount() const { return static_cast<int>(Rows().size()); }
int Memo::VisibleRows() const { return std::max(1, TextArea().height / RowHeight()); }
int Memo::LastTopRow() const { return std::max(0, RowCount() - VisibleRows()); }
void Memo::ScrollTo(int row) { top_row_ = std::clamp(row, 0, LastTopRow()); }

std::string Memo::RowText(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  const Row& shown = Rows()[static_cast<std::size_t>(row)];
  return lines_[static_cast<std::size_t>(shown.line)].substr(shown.start, shown.end - shown.start);
}

// --- Memo: the caret ---------------------------------------------------------------------

int Memo::RowOfCaret() const {
  const std::vector<Row>& rows = Rows();
  int found = 0;
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    if (rows[row].line > caret_.line) break;
    if (rows[row].line == caret_.line && rows[row].start <= caret_.column) found = row;
  }
  return found;
}

int Memo::XInRow(int row, int column) const {
  const Row& shown = Rows()[static_cast<std::size_t>(row)];
  const std::string& text = lines_[static_cast<std::size_t>(shown.line)];
  return WidthOf(std::string_view(text).substr(shown.start, std::max(0, column - shown.start)));
}

// A wrapped row's last place is before its hanging space, so that the caret stays on it.
int Memo::LastColumnOfRow(int row) const {
  const std::vector<Row>& rows = Rows();
  const Row& shown = rows[static_cast<std::size_t>(row)];
  const bool line_goes_on = row + 1 < static_cast<int>(rows.size()) && rows[row + 1].line == shown.line;
  return line_goes_on ? std::max(shown.start, shown.end - 1) : shown.end;
}

int Memo::ColumnNearX(int row, int x) const {
  const Row& shown = Rows()[static_cast<std::size_t>(row)];
  const std::string& text = lines_[static_cast<std::size_t>(shown.line)];
  const int last = LastColumnOfRow(row);
  int left = 0;
  for (int column = shown.start; column < last; ++column) {
    const int width = CharWidth(text[column]);
    if (x < left + (width + 1) / 2) return column;
    left += width;
  }
  return last;
}

void Memo::PlaceCaretInRow(int row, int x) {
  const int clamped = std::clamp(row, 0, RowCount() - 1);
  caret_ = {Rows()[static_cast<std::size_t>(clamped)].line, ColumnNearX(clamped, x)};
}

void Memo::KeepCaretX() { caret_x_ = XInRow(RowOfCaret(), caret_.column); }

void Memo::ScrollCaretIntoView() {
  const int row = RowOfCaret();
  if (row < top_row_) ScrollTo(row);
  if (row >= top_row_ + VisibleRows()) ScrollTo(row - VisibleRows() + 1);
}

void Memo::MoveCaretByRows(int rows) { PlaceCaretInRow(RowOfCaret() + rows, caret_x_); }

// --- Memo: editing -----------------------------------------------------------------------

void Memo::TypeCharacter(char character) {
  std::string& line = lines_[static_cast<std::size_t>(caret_.line)];
  line.insert(line.begin() + caret_.column, character);
  ++caret_.column;
  TextChanged();
  KeepCaretX();
  ScrollCaretIntoView();
}

void Memo::MoveLeft() {
  if (caret_.column > 0) {
    --caret_.column;
  } else if (caret_.line > 0) {
    --caret_.line;
    caret_.column = static_cast<int>(lines_[static_cast<std::size_t>(caret_.line)].size());
  }
}

void Memo::MoveRight() {
  const int length = static_cast<int>(lines_[static_cast<std::size_t>(caret_.line)].size());
  if (caret_.column < length) {
    ++caret_.column;
  } else if (caret_.line + 1 < static_cast<int>(lines_.size())) {
    ++caret_.line;
    caret_.column = 0;
  }
}

void Memo::Backspace() {
  if (caret_.column > 0) {
    lines_[static_cast<std::size_t>(caret_.line)].erase(static_cast<std::size_t>(caret_.column - 1), 1);
    --caret_.column;
  } else if (caret_.line > 0) {
    std::string& previous = lines_[static_cast<std::size_t>(caret_.line - 1)];
    const int joint = static_cast<int>(previous.size());
    previous += lines_[static_cast<std::size_t>(caret_.line)];
    lines_.erase(lines_.begin() + caret_.line);
    caret_ = {caret_.line - 1, joint};
  }
  TextChanged();
}

void Memo::DeleteForward() {
  std::string& line = lines_[static_cast<std::size_t>(caret_.line)];
  if (caret_.column < static_cast<int>(line.size())) {
    line.erase(static_cast<std::size_t>(caret_.column), 1);
  } else if (caret_.line + 1 < static_cast<int>(lines_.size())) {
    line += lines_[static_cast<std::size_t>(caret_.line + 1)];
    lines_.erase(lines_.begin() + caret_.line + 1);
  }
  TextChanged();
}

void Memo::BreakLine() {
  std::string& line = lines_[static_cast<std::size_t>(caret_.line)];
  std::string rest = line.substr(static_cast<std::size_t>(caret_.column));
  line.erase(static_cast<std::size_t>(caret_.column));
  lines_.insert(lines_.begin() + caret_.line + 1, std::move(rest));
  caret_ = {caret_.line + 1, 0};
  TextChanged();
}

void Memo::PressKey(MemoKey key) {
  const bool keeps_x = key == MemoKey::Up || key == MemoKey::Down || key == MemoKey::PageUp || key == MemoKey::PageDown;
  switch (key) {
    case MemoKey::Left: MoveLeft(); break;
    case MemoKey::Right: MoveRight(); break;
    case MemoKey::Up: MoveCaretByRows(-1); break;
    case MemoKey::Down: MoveCaretByRows(1); break;
    case MemoKey::Home: caret_.column = Rows()[static_cast<std::size_t>(RowOfCaret())].start; break;
    case MemoKey::End: caret_.column = LastColumnOfRow(RowOfCaret()); break;
    case MemoKey::PageUp:
      ScrollTo(top_row_ - VisibleRows());
      MoveCaretByRows(-VisibleRows());
      break;
    case MemoKey::PageDown:
      ScrollTo(top_row_ + VisibleRows());
      MoveCaretByRows(VisibleRows());
      break;
    case MemoKey::Backspace: Backspace(); break;
    case MemoKey::Delete: DeleteForward(); break;
    case MemoKey::Enter: BreakLine(); break;
  }
  if (!keeps_x) KeepCaretX();
  ScrollCaretIntoView();
}

// --- Memo: mouse and scroll bar --------------------------------------------------------------

Rect Memo::UpArrow() const {
  const Rect area = TextArea();
  return {area.Right(), area.top, kScrollBarWidth, std::min(kScrollBarWidth, area.height / 2)};
}

Rect Memo::DownArrow() const {
  const Rect up = UpArrow();
  const Rect area = TextArea();
  return {up.left, area.Bottom() - up.height, kScrollBarWidth, up.height};
}

Rect Memo::Track() const {
  const Rect up = UpArrow();
  return {up.left, up.Bottom(), kScrollBarWidth, std::max(0, DownArrow().top - up.Bottom())};
}

Rect Memo::Thumb() const {
  const Rect track = Track();
  if (LastTopRow() == 0 || track.height < kSmallestThumb) return {track.left, track.top, 0, 0};
  const int length = std::max(kSmallestThumb, track.height * VisibleRows() / RowCount());
  const int top = track.top + (track.height - length) * top_row_ / LastTopRow();
  return {track.left, top, kScrollBarWidth, length};
}

int Memo::ThumbTravel() const { return std::max(1, Track().height - Thumb().height); }

void Memo::ScrollBarMouseDown(int y) {
  const Rect thumb = Thumb();
  if (UpArrow().Contains(UpArrow().left, y)) {
    ScrollTo(top_row_ - 1);
  } else if (DownArrow().Contains(DownArrow().left, y)) {
    ScrollTo(top_row_ + 1);
  } else if (thumb.height > 0 && y >= thumb.top && y < thumb.Bottom()) {
    dragging_thumb_ = true;
    thumb_grab_ = y - thumb.top;
  } else if (thumb.height > 0 && y < thumb.top) {
    ScrollTo(top_row_ - VisibleRows());
  } else if (thumb.height > 0) {
    ScrollTo(top_row_ + VisibleRows());
  }
}

void Memo::MouseDown(int x, int y) {
  const Rect area = TextArea();
  if (area.Contains(x, y)) {
    PlaceCaretInRow(top_row_ + (y - area.top) / RowHeight(), x - area.left - kMargin);
    KeepCaretX();
    ScrollCaretIntoView();
  } else if (x >= area.Right() && x < area.Right() + kScrollBarWidth && y >= area.top && y < area.Bottom()) {
    ScrollBarMouseDown(y);
  }
}

void Memo::MouseMove(int, int y) {
  if (!dragging_thumb_) return;
  const int thumb_top = y - thumb_grab_ - Track().top;
  ScrollTo((thumb_top * LastTopRow() + ThumbTravel() / 2) / ThumbTravel());
}

void Memo::MouseUp() { dragging_thumb_ = false; }

void Memo::Wheel(int steps) { ScrollTo(top_row_ - steps * kWheelRows); }

void Memo::Swipe(int pixels) {
  swiped_pixels_ += pixels;
  const int rows = swiped_pixels_ / RowHeight();
  swiped_pixels_ -= rows * RowHeight();
  ScrollTo(top_row_ - rows);
}

// --- Memo: drawing -------------------------------------------------------------------------

void Memo::Draw(Canvas& canvas) {
  DrawBorder(canvas);
  DrawText(canvas);
  DrawScrollBar(canvas);
}

// A sunken edge, as text boxes have.
void Memo::DrawBorder(Canvas& canvas) const {
  const Rect& b = bounds_;
  HorizontalLine(canvas, b.left, b.Right() - 1, b.top, kShadow);
  VerticalLine(canvas, b.left, b.top, b.Bottom() - 1, kShadow);
  HorizontalLine(canvas, b.left + 1, b.Right() - 2, b.top + 1, kDarkShadow);
  VerticalLine(canvas, b.left + 1, b.top + 1, b.Bottom() - 2, kDarkShadow);
  HorizontalLine(canvas, b.left, b.Right(), b.Bottom() - 1, colors::White);
  VerticalLine(canvas, b.Right() - 1, b.top, b.Bottom() - 1, colors::White);
  HorizontalLine(canvas, b.left + 1, b.Right() - 1, b.Bottom() - 2, kLight);
  VerticalLine(canvas, b.Right() - 2, b.top + 1, b.Bottom() - 2, kLight);
}

// The rows are drawn on a picture of the text area's size, so that a row cut by the bottom
// edge stays inside the box.
void Memo::DrawText(Canvas& canvas) const {
  const Rect area = TextArea();
  if (area.width == 0 || area.height == 0) return;
  Picture page = std::exchange(text_page_, Picture{});
  if (page.Width() != area.width || page.Height() != area.height) {
    GiveBackPage(std::move(page));
    page = UsedOrNewPage(area.width, area.height);
  }
  page.Fill(colors::White);
  Canvas text(std::move(page), fonts_);
  text.Font = font_;
  const int caret_row = RowOfCaret();
  for (int row = top_row_; row < RowCount() && (row - top_row_) * RowHeight() < area.height; ++row) {
    const int y = (row - top_row_) * RowHeight();
    text.TextOut(kMargin, y, RowText(row));
    if (row == caret_row) {
      const int x = kMargin + XInRow(row, caret_.column);
      VerticalLine(text, x, y, y + RowHeight(), colors::Black);
    }
  }
  canvas.Draw(area.left, area.top, &text.Image());
  text_page_ = text.ReleasePage();
}

void Memo::DrawButton(Canvas& canvas, const Rect& button, bool pointing_up) const {
  FillArea(canvas, button, kFace);
  RaisedEdge(canvas, button);
  const Color arrow = LastTopRow() > 0 ? colors::Black : kDisabledArrow;
  const int centre_x = button.left + button.width / 2;
  const int centre_y = button.top + button.height / 2;
  for (int step = 0; step < 4; ++step) {
    const int y = pointing_up ? centre_y - 2 + step : centre_y + 1 - step;
    HorizontalLine(canvas, centre_x - step, centre_x + step + 1, y, arrow);
  }
}

void Memo::DrawScrollBar(Canvas& canvas) const {
  FillArea(canvas, Track(), kTrack);
  DrawButton(canvas, UpArrow(), true);
  DrawButton(canvas, DownArrow(), false);
  const Rect thumb = Thumb();
  if (thumb.height == 0) return;
  FillArea(canvas, thumb, kFace);
  RaisedEdge(canvas, thumb);
}

}  // namespace gfx
