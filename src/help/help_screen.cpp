#include "help/help_screen.h"

#include <string>
#include <vector>

#include "career/io_error.h"
#include "team/team_page.h"
#include "world/world.h"

namespace help {

namespace {

constexpr int kHelpForm = 13;
constexpr int kTitleImage = 1;
constexpr int kCancelImage = 2;
constexpr int kLastTopicOnPress = 6;
constexpr std::size_t kLargestHelpFile = 1 << 20;

gfx::FontState SystemFont() {
  gfx::FontState font;
  font.Name = "MS Sans Serif";
  font.Size = 12;
  return font;
}

int TitleTop(int topic) { return 72 + 24 * (topic - 1); }

std::array<gfx::Label, kTopicCount> TitleLabels(const gfx::FontState& font) {
  auto label = [&](int topic) {
    return gfx::Label(16, TitleTop(topic), std::string(kTopics[static_cast<std::size_t>(topic - 1)].title), font);
  };
  return {label(1), label(2), label(3), label(4), label(5), label(6), label(7), label(8), label(9)};
}

std::optional<gfx::MemoKey> MemoKeyOf(core::EditKey key) {
  switch (key) {
    case core::EditKey::Left: return gfx::MemoKey::Left;
    case core::EditKey::Right: return gfx::MemoKey::Right;
    case core::EditKey::Up: return gfx::MemoKey::Up;
    case core::EditKey::Down: return gfx::MemoKey::Down;
    case core::EditKey::Home: return gfx::MemoKey::Home;
    case core::EditKey::End: return gfx::MemoKey::End;
    case core::EditKey::PageUp: return gfx::MemoKey::PageUp;
    case core::EditKey::PageDown: return gfx::MemoKey::PageDown;
    case core::EditKey::Backspace: return gfx::MemoKey::Backspace;
    case core::EditKey::Delete: return gfx::MemoKey::Delete;
    case core::EditKey::Enter: return gfx::MemoKey::Enter;
  }
  return std::nullopt;
}

bool Typeable(char key) { return static_cast<unsigned char>(key) >= 32 && key != 127; }

}  // namespace

TForm13::TForm13(world::World& world)
    : world::Screen(world, 13, "Form13"),
      Memo1({208, 72, 537, 457}, &world.Fonts(), SystemFont()),
      font_(SystemFont()),
      image1_(8, 8, 300, 40),
      image2_(48, 472, 100, 50),
      labels_(TitleLabels(font_)) {
  Memo1.SetText(kFirstText);
}

void TForm13::Timer1Timer() { Repaint(); }

void TForm13::Repaint() {
  const core::WindowSize window = world_.GetHost().ClientSize();
  core::Frame frame(*this, &world_.Fonts(), std::max(1, window.width), std::max(1, window.height));
  gfx::Canvas& canvas = frame.Canvas();
  image1_.Draw(canvas, world_.Picture(kHelpForm, kTitleImage));
  for (const gfx::Label& label : labels_) label.Draw(canvas);
  Memo1.Draw(canvas);
  image2_.Draw(canvas, world_.Picture(kHelpForm, kCancelImage));
  frame.Copy();
}

std::optional<int> TForm13::ControlAt(int x, int y) {
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    if (labels_[static_cast<std::size_t>(topic - 1)].Bounds(&world_.Fonts()).Contains(x, y)) return topic;
  }
  if (image2_.Bounds().Contains(x, y)) return kCancel;
  if (Memo1.Bounds().Contains(x, y)) return kMemo;
  return std::nullopt;
}

void TForm13::WindowMouseDown(core::MouseButton button, int x, int y) {
  pressed_ = ControlAt(x, y);
  if (pressed_ && *pressed_ <= kLastTopicOnPress) LabelMouseDown(*pressed_);
  if (pressed_ == kMemo && button == core::MouseButton::Left) Memo1.MouseDown(x, y);
  Repaint();
}

void TForm13::WindowMouseUp(core::MouseButton button, int x, int y) {
  const std::optional<int> pressed = pressed_;
  pressed_.reset();
  Memo1.MouseUp();
  const bool clicked = button == core::MouseButton::Left && pressed && pressed == ControlAt(x, y);
  if (clicked && *pressed > kLastTopicOnPress && *pressed <= kTopicCount) LabelClick(*pressed);
  if (clicked && *pressed == kCancel) Image2Click();
  if (Visible()) Repaint();
}

void TForm13::WindowMouseMove(int x, int y) {
  if (pressed_ != kMemo) return;
  Memo1.MouseMove(x, y);
  Repaint();
}

void TForm13::WindowWheel(int, int, int steps) {
  Memo1.Wheel(steps);
  Repaint();
}

// A swipe that starts on the text box scrolls its text; elsewhere it moves nothing.
void TForm13::WindowSwipe(int x, int y, int dy) {
  if (!Memo1.Bounds().Contains(x, y)) return;
  Memo1.Swipe(dy);
  Repaint();
}

void TForm13::WindowEditKey(core::EditKey key) {
  if (const auto memo_key = MemoKeyOf(key)) Memo1.PressKey(*memo_key);
  Repaint();
}

void TForm13::FormKeyPress(char key) {
  if (!Typeable(key)) return;
  Memo1.TypeCharacter(key);
  Repaint();
}

void TForm13::LabelMouseDown(int topic) { LoadTopic(topic); }
void TForm13::LabelClick(int topic) { LoadTopic(topic); }

// A file that cannot be read leaves the text box as it was.
void TForm13::LoadTopic(int topic) {
  const std::string file(kTopics[static_cast<std::size_t>(topic - 1)].file);
  std::vector<std::uint8_t> bytes;
  const int code = world_.WorkingFolder().Read(file, kLargestHelpFile, bytes);
  if (code != 0) throw career::IoError(code, "Cannot open file " + file);
  Memo1.SetText(std::string(bytes.begin(), bytes.end()));
}

void TForm13::Image2Click() {
  world_.Form4().Show();
  Hide();
  world_.DisableTick(*this);
  world_.EnableTick(world_.Form4());
}

}  // namespace help
