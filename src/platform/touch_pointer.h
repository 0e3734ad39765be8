#pragma once
#include <cstdint>
#include <optional>

#include "core/screen.h"
#include "gfx/canvas.h"

namespace core { class Game; }

namespace platform {

// A finger and two pads played as the mouse the game knows, so that every screen keeps its own
// rules for a press:
// - a finger that goes down moves the pointer there, and the pointer follows it, so what
//   pointing shows (a price, a path) shows while it is held;
// - lifted where it went down, it presses and releases the left button there, once a tick of
//   the screen has seen the pointer in its place, as a mouse that came to rest would;
// - drawn away, it only points, and over the help text it scrolls it;
// - the two pads press the left or the right button at the pointer's place, each of its own.
// Points are the game's window coordinates.
class TouchPointer {
 public:
  // How long a lifted finger waits for a tick before it presses anyway, for a screen without one.
  static constexpr std::uint64_t kLongestWaitMs = 250;

  TouchPointer(core::Game& game, const core::Host& host) : game_(game), host_(host) {}

  // How far a finger may wander, in the game's pixels, and still press where it is lifted.
  void SetWander(int pixels) { wander_ = pixels < 1 ? 1 : pixels; }

  void FingerDown(int id, gfx::Point at);
  void FingerMove(int id, gfx::Point at);
  void FingerUp(int id, std::uint64_t now_ms);
  // The browser took the finger back: nothing is pressed.
  void FingerCancel(int id);

  void PadDown(core::MouseButton button);
  void PadUp(core::MouseButton button);

  // After the timers have run: a waiting press goes in once a tick has seen its pointer.
  void AfterTimers(std::uint64_t now_ms);
  bool PressWaiting() const { return waiting_.has_value(); }

 private:
  struct Finger {
    int id;
    gfx::Point down;
    gfx::Point last;
    bool wandered;
  };
  struct WaitingPress {
    gfx::Point at;
    std::uint64_t since_ms;
  };

  void PointAt(gfx::Point at);
  gfx::Point Pointer() const;
  bool TickSawPointer() const;
  void PressWaitingNow();

  core::Game& game_;
  const core::Host& host_;
  int wander_ = 8;
  std::optional<Finger> finger_;
  std::optional<WaitingPress> waiting_;
  std::optional<gfx::Point> pointer_;
  std::uint64_t ticks_when_pointed_ = 0;
};

}  // namespace platform
