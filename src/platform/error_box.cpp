#include "platform/error_box.h"

#include <algorithm>

namespace platform {

namespace {

constexpr gfx::Color kTitleBar{0, 0, 128};
constexpr gfx::Color kShadow{128, 128, 128};
constexpr gfx::Color kIconRed{200, 0, 0};
constexpr int kTitleHeight = 20;
constexpr int kTextLeft = 60;
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonTop = kTitleHeight + 60;
constexpr int kBoxHeight = kButtonTop + kButtonHeight + 12;
constexpr int kLeastWidth = 220;

int ButtonLeft(int box_width) { return (box_width - kButtonWidth) / 2; }

// A raised edge: light above and left, shadow below and right.
void RaisedEdge(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  canvas.Pen.Color = gfx::colors::White;
  canvas.Polyline({{left, bottom - 1}, {left, top}, {right - 1, top}});
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{left, bottom - 1}, {right - 1, bottom - 1}, {right - 1, top - 1}});
  canvas.Pen.Color = kShadow;
  canvas.Polyline({{left + 1, bottom - 2}, {right - 2, bottom - 2}, {right - 2, top}});
}

// The red disc with a white cross that marks an error.
void ErrorIcon(gfx::Canvas& canvas, int left, int top) {
  canvas.Brush.Color = kIconRed;
  canvas.Pen.Color = gfx::Color{128, 0, 0};
  canvas.Ellipse(left, top, left + 32, top + 32);
  canvas.Pen.Color = gfx::colors::White;
  for (int thick = -1; thick <= 1; ++thick) {
    canvas.Polyline({{left + 10 + thick, top + 10}, {left + 23 + thick, top + 23}});
    canvas.Polyline({{left + 22 + thick, top + 10}, {left + 9 + thick, top + 23}});
  }
}

}  // namespace

void ErrorBox::Open(const std::string& title, const std::string& text) {
  waiting_.push_back({title, text});
  if (waiting_.size() == 1) Draw();
}

void ErrorBox::Dismiss() {
  if (waiting_.empty()) return;
  waiting_.pop_front();
  ok_pressed_ = false;
  if (waiting_.empty()) {
    image_.reset();
  } else {
    Draw();
  }
}

gfx::Point ErrorBox::PlaceIn(int window_width, int window_height) const {
  return {(window_width - image_->Width()) / 2, (window_height - image_->Height()) / 2};
}

bool ErrorBox::OnOk(gfx::Point at, gfx::Point box_place) const {
  const int x = at.x - box_place.x - ButtonLeft(image_->Width());
  const int y = at.y - box_place.y - kButtonTop;
  return x >= 0 && x < kButtonWidth && y >= 0 && y < kButtonHeight;
}

void ErrorBox::MouseDown(gfx::Point at, gfx::Point box_place) {
  if (IsOpen()) ok_pressed_ = OnOk(at, box_place);
}

void ErrorBox::MouseUp(gfx::Point at, gfx::Point box_place) {
  if (!IsOpen()) return;
  const bool clicked = ok_pressed_ && OnOk(at, box_place);
  ok_pressed_ = false;
  if (clicked) Dismiss();
}

void ErrorBox::Draw() {
  const Message& message = waiting_.front();
  gfx::Canvas measure(1, 1, &fonts_);
  const int text_width = measure.TextWidth(message.text);
  measure.Font.Style = gfx::kBold;
  const int title_width = measure.TextWidth(message.title);
  const int width = std::max({kLeastWidth, kTextLeft + text_width + kMargin, title_width + 2 * kMargin});

  gfx::Canvas canvas(width, kBoxHeight, &fonts_);
  canvas.Brush.Color = gfx::colors::Silver;
  canvas.FillRect(0, 0, width, kBoxHeight);
  RaisedEdge(canvas, 0, 0, width, kBoxHeight);
  canvas.Brush.Color = kTitleBar;
  canvas.FillRect(3, 3, width - 3, kTitleHeight);
  canvas.Font.Color = gfx::colors::White;
  canvas.Font.Style = gfx::kBold;
  canvas.TextOut(8, 4, message.title);

  ErrorIcon(canvas, 16, kTitleHeight + 14);
  canvas.Brush.Color = gfx::colors::Silver;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Font.Style = gfx::kPlain;
  canvas.TextOut(kTextLeft, kTitleHeight + 24, message.text);

  const int button_left = ButtonLeft(width);
  RaisedEdge(canvas, button_left, kButtonTop, button_left + kButtonWidth, kButtonTop + kButtonHeight);
  canvas.TextOut(button_left + (kButtonWidth - canvas.TextWidth("OK")) / 2,
                 kButtonTop + (kButtonHeight - canvas.TextHeight()) / 2, "OK");
  image_ = canvas.Image();
}

}  // namespace platform
