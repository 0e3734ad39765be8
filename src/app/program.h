#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/host.h"
#include "core/input_router.h"
#include "core/picture_store.h"
#include "core/screen.h"
#include "gfx/fonts.h"
#include "world/world.h"

namespace app {

class TForm1;
class TForm3;

// The whole game: every screen, created once in the order of the screen list, and the world
// they share, which it owns. It fires the timers, routes the player's input to the screen on
// show and presents that screen's frame; the platform drives it as a core::Game.
class Program : public world::World, public core::Game {
 public:
  explicit Program(core::Host& host);
  // With fonts loaded once elsewhere, which Start then leaves as they are (tests share them
  // between their many programs).
  Program(core::Host& host, std::shared_ptr<gfx::FontLibrary> fonts);
  ~Program() override;

  // Opens the sounds, the fonts and the pictures, then shows the title screen with its tick
  // and its watchdog running. Returns the reason the game cannot start, or an empty string.
  std::string Start() override;
  // The same with pictures loaded once elsewhere (tests share one store).
  std::string Start(std::shared_ptr<const core::PictureStore> pictures);

  // Fires every timer that is due: the watchdog every 50 ms, each enabled tick every 100 ms,
  // each at most once per call however long the wait was.
  void Advance(std::uint64_t now_ms) override;
  // When the earliest running timer falls due, so that the machine may sleep until then; or,
  // gathering the timers due within `gather_ms` after it, when the last of those falls due,
  // so that they fire in one wake-up and stay in step from then on.
  std::optional<std::uint64_t> NextDue(std::uint64_t gather_ms = 0) const override;

  // Window events, in window coordinates.
  void MouseDown(int x, int y, core::MouseButton button) override;
  void MouseUp(int x, int y, core::MouseButton button) override;
  void MouseMove(int x, int y) override;
  void KeyPress(char key) override;
  void EditKeyPress(core::EditKey key) override;
  void Wheel(int x, int y, int steps) override;
  void Swipe(int from_x, int from_y, int dy) override;
  // How many ticks the screen on show has run: a pointer moved before the count changed has
  // been seen by a tick.
  std::uint64_t TicksShown() const override { return ticks_shown_; }
  bool CloseWindow() override;

  void Guarded(const std::function<void()>& action) override { World::Guarded(action); }
  void ReportError(const std::string& text) override;
  void FrameChanged(core::Screen& screen) override;

  TForm1& Form1() { return *form1_; }
  TForm3& Form3() { return *form3_; }

 private:
  void CreateScreens();
  template <typename T>
  T* Create();
  void FireWhenDue(core::Timer& timer, const std::function<void()>& tick);
  // Where the visible screen's picture and input picture sit in the window.
  core::InputRouter::Origin PictureOrigin() const;
  void UpdateWindow();
  void ReportDamagedPictures();

  std::uint64_t ticks_shown_ = 0;
  std::vector<std::unique_ptr<core::Screen>> owned_screens_;
  TForm1* form1_ = nullptr;
  TForm3* form3_ = nullptr;

  core::InputRouter input_;

  // What the window shows now.
  const core::Screen* presented_screen_ = nullptr;
  bool frame_dirty_ = true;
  std::string caption_shown_;
  bool bordered_shown_ = false;
  core::WindowBackground background_shown_ = core::WindowBackground::White;
  bool window_known_ = false;
};

}  // namespace app
