#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/host.h"
#include "core/screen.h"

namespace core {

inline constexpr const char* kProgramTitle = "Splatvane";

// The game as a platform drives it: the clock and the player's input go in, and frames come
// out through the Host. The platforms know the game by this alone.
class Game {
 public:
  virtual ~Game() = default;

  // Opens the sounds, the fonts and the pictures and shows the title screen. Returns the
  // reason the game cannot start, or an empty string.
  virtual std::string Start() = 0;
  // Fires every timer that is due at `now_ms`.
  virtual void Advance(std::uint64_t now_ms) = 0;
  // When the next timer falls due, gathering those due within `gather_ms` after it; none
  // while no timer runs.
  virtual std::optional<std::uint64_t> NextDue(std::uint64_t gather_ms) const = 0;

  // Window events, in window coordinates.
  virtual void MouseDown(int x, int y, MouseButton button) = 0;
  virtual void MouseUp(int x, int y, MouseButton button) = 0;
  virtual void MouseMove(int x, int y) = 0;
  virtual void KeyPress(char key) = 0;
  virtual void EditKeyPress(EditKey key) = 0;
  virtual void Wheel(int x, int y, int steps) = 0;
  // A finger moved `dy` pixels over the window without pressing, from where it went down.
  virtual void Swipe(int from_x, int from_y, int dy) = 0;
  // How many ticks the screen on show has run.
  virtual std::uint64_t TicksShown() const = 0;
  // The window's close button; true when the program should end.
  virtual bool CloseWindow() = 0;

  // Runs a platform's own action under the game's error handler: an error escaping it is
  // shown in a box, and the game goes on.
  virtual void Guarded(const std::function<void()>& action) = 0;
};

// Builds the game on the host that will run it: how the app hands its game to a platform.
using GameMaker = std::function<std::unique_ptr<Game>(Host& host)>;

}  // namespace core
