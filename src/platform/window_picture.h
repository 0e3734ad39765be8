#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/picture.h"
#include "platform/scaling.h"

namespace platform {

// What the window shows, kept in the game's pixels: the screen's picture on white with the
// error box over it. It draws the window at any scale, sharp squares at a whole one and
// linearly filtered between, and remembers which parts changed since they were last drawn,
// so that a tick that moves a dot costs the dot and not the whole display.
class WindowPicture {
 public:
  // The window's size and scale; a change draws everything again.
  void Fit(const Scaling& scaling);
  const Scaling& Scale() const { return scaling_; }

  // A screen's picture with its top-left corner at a point of the game's area.
  void ShowFrame(const gfx::Picture& frame, gfx::Point at);
  bool HasFrame() const { return have_frame_; }
  gfx::Point FrameAt() const { return frame_at_; }
  // The error box over everything, or none.
  void ShowBox(const gfx::Picture* box, gfx::Point at);
  // Draws everything again at the next Paint.
  void Invalidate() { everything_ = true; }

  // Draws what changed into the window's pixels (0x00RRGGBB rows, pitch counted in pixels)
  // and returns the rectangles drawn: none when nothing changed.
  std::vector<WindowRect> Paint(std::uint32_t* window_pixels, int pitch);

 private:
  struct GameRect {
    int x = 0, y = 0, width = 0, height = 0;
  };
  // The two game pixels a window pixel is made of, and how much of the second, 0..256.
  struct Sample {
    int first = 0, second = 0;
    std::uint32_t weight = 0;
  };

  void FindChangedTiles(const gfx::Picture& frame);
  void Compose(const GameRect& area_part);
  void Draw(const WindowRect& part, std::uint32_t* window_pixels, int pitch);
  void FindSamples();
  std::vector<Sample> Samples(bool across) const;

  Scaling scaling_;
  bool fitted_ = false;
  std::vector<Sample> columns_, rows_;
  gfx::Picture frame_;
  gfx::Point frame_at_{0, 0};
  bool have_frame_ = false;
  std::optional<gfx::Picture> box_;
  gfx::Point box_at_{0, 0};
  // The game's whole area as the window shows it: white, the frame, the box.
  gfx::Picture scene_;
  std::vector<GameRect> changed_;
  // A row of game pixels blended between two, spread to one channel in 16 bits.
  std::vector<std::uint64_t> blended_;
  bool everything_ = true;
};

}  // namespace platform
