#pragma once
#include <deque>
#include <optional>
#include <string>

#include "gfx/canvas.h"
#include "gfx/fonts.h"
#include "gfx/picture.h"

namespace platform {

// The error message box, drawn in the game's window over the picture of the screen that is
// showing. It takes the mouse and the keys until OK is pressed, while the game goes on behind
// it: its ticks, its pictures and its music. Errors that come meanwhile wait their turn.
class ErrorBox {
 public:
  explicit ErrorBox(gfx::FontLibrary& fonts) : fonts_(fonts) {}

  void Open(const std::string& title, const std::string& text);
  bool IsOpen() const { return !waiting_.empty(); }
  // The box shown now; only while it is open.
  const gfx::Picture& Image() const { return *image_; }
  // The message it shows; only while it is open.
  const std::string& Text() const { return waiting_.front().text; }
  // Its top-left corner: the middle of a window of this size.
  gfx::Point PlaceIn(int window_width, int window_height) const;

  // Mouse input at window positions: a press and a release both on OK close the box.
  void MouseDown(gfx::Point at, gfx::Point box_place);
  void MouseUp(gfx::Point at, gfx::Point box_place);
  // Enter or Escape: close the box as OK does.
  void Dismiss();

 private:
  struct Message {
    std::string title;
    std::string text;
  };

  bool OnOk(gfx::Point at, gfx::Point box_place) const;
  void Draw();

  gfx::FontLibrary& fonts_;
  std::deque<Message> waiting_;
  std::optional<gfx::Picture> image_;
  bool ok_pressed_ = false;
};

}  // namespace platform
