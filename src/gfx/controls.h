#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "gfx/canvas.h"

namespace gfx {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Contains(int x, int y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
};

// The width of a text in a font, as TextOut would draw it.
int MeasureText(FontLibrary* fonts, const FontState& font, std::string_view text);
int LineHeight(FontLibrary* fonts, const FontState& font);

// A line of text at a fixed place, black on white, as large as its text.
class Label {
 public:
  Label(int left, int top, std::string caption, FontState font);

  const std::string& Caption() const { return caption_; }
  Rect Bounds(FontLibrary* fonts) const;
  void Draw(Canvas& canvas) const;

 private:
  int left_;
  int top_;
  std::string caption_;
  FontState font_;
};

// A picture at a fixed place, as large as the picture.
class PictureControl {
 public:
  PictureControl(int left, int top, int width, int height);

  Rect Bounds() const { return bounds_; }
  void Draw(Canvas& canvas, const Picture* picture) const;

 private:
  Rect bounds_;
};

// The keys a text box answers beyond typed characters.
enum class MemoKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Backspace, Delete, Enter };

// Where the caret stands: before the character `column` of line `line`, both from 0.
struct TextPosition {
  int line = 0;
  int column = 0;
  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

// A multi-line text box with a vertical scroll bar: it wraps its lines at word breaks to
// its width, and the user can type in it, move the caret with the keys and the mouse, and
// scroll with the wheel and the scroll bar.
class Memo {
 public:
  static constexpr int kScrollBarWidth = 17;
  static constexpr int kBorder = 2;
  static constexpr int kMargin = 2;
  static constexpr int kWheelRows = 3;
  static constexpr int kSmallestThumb = 8;

  Memo(Rect bounds, FontLibrary* fonts, FontState font);
  ~Memo();
  Memo(const Memo&) = delete;
  Memo& operator=(const Memo&) = delete;
  Memo(Memo&&) = default;
  Memo& operator=(Memo&&) = default;

  // The whole content; a line break is "\r\n", "\n" or "\r", and a break at the very end
  // starts no further line. The caret goes to the start and the view to the top.
  void SetText(std::string_view text);
  std::string Text() const;  // the lines joined by "\r\n"
  const std::vector<std::string>& Lines() const { return lines_; }

  // Typing and editing at the caret.
  void TypeCharacter(char character);
  void PressKey(MemoKey key);

  // The left mouse button and the pointer, in the coordinates the box was placed in.
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp();
  // Positive steps roll the wheel away from the user, which scrolls towards the top.
  void Wheel(int steps);
  // A finger drawn over the text by `pixels` (down positive): the text follows it a whole
  // row at a time, and what is left of a row is kept for the next move.
  void Swipe(int pixels);

  TextPosition Caret() const { return caret_; }
  int TopRow() const { return top_row_; }
  int RowCount() const;
  int VisibleRows() const;
  int LastTopRow() const;
  void ScrollTo(int row);
  // The text of one shown row, from 0 at the top of the whole text.
  std::string RowText(int row) const;

  // The parts of the scroll bar, where they lie now.
  Rect Bounds() const { return bounds_; }
  Rect TextArea() const;
  Rect UpArrow() const;
  Rect DownArrow() const;
  Rect Track() const;
  Rect Thumb() const;  // empty when everything fits

  void Draw(Canvas& canvas);

 private:
  // One shown row: characters [start, end) of a line.
  struct Row {
    int line;
    int start;
    int end;
  };

  int CharWidth(char character) const;
  int WidthOf(std::string_view text) const;
  int RowHeight() const;
  int WrapWidth() const;
  void WrapLine(int line, std::vector<Row>& rows) const;
  int FittingEnd(const std::string& text, int start) const;
  const std::vector<Row>& Rows() const;
  void TextChanged();

  int RowOfCaret() const;
  int XInRow(int row, int column) const;
  int ColumnNearX(int row, int x) const;
  int LastColumnOfRow(int row) const;
  void PlaceCaretInRow(int row, int x);
  void MoveCaretByRows(int rows);
  void ScrollCaretIntoView();
  void KeepCaretX();

  void MoveLeft();
  void MoveRight();
  void Backspace();
  void DeleteForward();
  void BreakLine();

  void ScrollBarMouseDown(int y);
  int ThumbTravel() const;

  void DrawBorder(Canvas& canvas) const;
  void DrawText(Canvas& canvas) const;
  void DrawScrollBar(Canvas& canvas) const;
  void DrawButton(Canvas& canvas, const Rect& button, bool pointing_up) const;

  Rect bounds_;
  FontLibrary* fonts_;
  FontState font_;
  std::vector<std::string> lines_{std::string()};
  TextPosition caret_;
  int caret_x_ = 0;  // the column the caret keeps on moving up and down
  int top_row_ = 0;
  int swiped_pixels_ = 0;
  bool dragging_thumb_ = false;
  int thumb_grab_ = 0;
  // The text area's page, kept from one drawing to the next.
  mutable Picture text_page_;
  mutable std::vector<Row> rows_;
  mutable bool rows_valid_ = false;
};

}  // namespace gfx
