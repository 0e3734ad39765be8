#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/host.h"
#include "gfx/canvas.h"

namespace core {

class Screen;

enum class MouseButton { Left, Right, Middle };

// Keys that the help screen's text box needs beyond typed characters.
enum class EditKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Backspace, Delete, Enter };

struct Timer {
  bool Enabled = false;
  int Interval = 100;
  std::uint64_t Due = 0;
};

// The transparent picture over the screen's picture area that receives the mouse.
struct InputPicture {
  int Width = 793;
  int Height = 585;
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};

// Mouse areas leave out their edges: Between(100, x, 200) is 100 < x < 200.
inline constexpr bool Between(int low, int value, int high) { return value > low && value < high; }

inline constexpr int kPictureWidth = 800;
inline constexpr int kPictureHeight = 600;

// What a screen needs of the program it belongs to: the order in which screens were shown,
// word that its picture changed, and the fonts its frames draw with.
class Stage {
 public:
  virtual std::uint64_t NextShownSerial() = 0;
  virtual void FrameChanged(Screen& screen) = 0;
  virtual gfx::FontLibrary& Fonts() = 0;

 protected:
  ~Stage() = default;
};

// One screen of the game. Its tick draws a fresh 800 x 600 picture; its mouse handlers
// receive picture coordinates, only inside its input picture.
class Screen {
 public:
  Screen(Stage& stage, int number, std::string caption, InputPicture input = {});
  virtual ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  int Number() const { return number_; }
  const std::string& Caption() const { return caption_; }
  const InputPicture& Input() const { return input_; }

  bool Visible() const { return visible_; }
  void Show();
  void Hide();
  std::uint64_t ShownSerial() const { return shown_serial_; }

  Timer Timer1;
  // The title screen's closing state gives its window a normal border.
  bool Bordered = false;
  WindowBackground Background = WindowBackground::White;

  virtual void Timer1Timer();
  virtual void InputMouseDown(MouseButton, int, int) {}
  virtual void InputClick(int, int) {}
  virtual void InputMouseUp(MouseButton, int, int) {}
  virtual void InputMouseMove(int, int) {}
  virtual void FormKeyPress(char) {}

  // A screen built from window controls instead of the centred picture gets the window's own
  // coordinates and keys.
  virtual bool DrawsWholeWindow() const { return false; }
  virtual void WindowMouseDown(MouseButton, int, int) {}
  virtual void WindowMouseUp(MouseButton, int, int) {}
  virtual void WindowMouseMove(int, int) {}
  virtual void WindowWheel(int, int, int) {}
  // A finger that went down at (x, y) moved `dy` pixels up or down without pressing.
  virtual void WindowSwipe(int, int, int) {}
  virtual void WindowEditKey(EditKey) {}

  const std::optional<gfx::Picture>& LastFrame() const { return last_frame_; }
  // A finished page becomes the frame itself; the frame it replaces is the next tick's page.
  void KeepFrame(gfx::Picture&& frame);

  // A white page for the next tick, the last tick's page again when it has the same size, so
  // that ten ticks a second do not each wait for fresh memory.
  gfx::Picture BlankPage(int width, int height);
  void KeepPage(gfx::Picture page) { spare_page_ = std::move(page); }

 private:
  Stage& stage_;
  int number_;
  std::string caption_;
  InputPicture input_;
  bool visible_ = false;
  std::uint64_t shown_serial_ = 0;
  std::optional<gfx::Picture> last_frame_;
  gfx::Picture spare_page_;

  void LetGoOfFrame();
};

// A tick's off-screen picture. It is copied to the screen's window when Copy is called or,
// whatever happened while drawing, when the tick leaves.
class Frame {
 public:
  Frame(Screen& screen, gfx::FontLibrary* fonts, int width = kPictureWidth, int height = kPictureHeight);
  ~Frame();
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  gfx::Canvas& Canvas() { return canvas_; }
  void Copy();

 private:
  Screen& screen_;
  gfx::Canvas canvas_;
  bool copied_ = false;
  bool shown_at_start_;
};

}  // namespace core
