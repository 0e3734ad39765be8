#pragma once
// A started game on the headless platform, for the tools and the tests: a fixed seed, a clock
// moved by hand and presses at picture coordinates.
#include <memory>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "core/picture_store.h"
#include "gfx/fonts.h"
#include "platform/headless/headless_host.h"

namespace app {

// Every picture of a game folder, decoded once per process: all of them decoded take about
// 61 MB, which the budget keeps whole.
inline std::shared_ptr<const core::PictureStore> GamePictures(const std::string& game_folder) {
  static const std::shared_ptr<const core::PictureStore> store = [&] {
    auto loaded = std::make_shared<core::PictureStore>(std::size_t{96} << 20);
    loaded->LoadAll(game_folder + "/pictures");
    return loaded;
  }();
  return store;
}

// A game folder's fonts, loaded once per process.
inline std::shared_ptr<gfx::FontLibrary> GameFonts(const std::string& game_folder) {
  static const std::shared_ptr<gfx::FontLibrary> fonts = [&] {
    auto loaded = std::make_shared<gfx::FontLibrary>();
    loaded->LoadFrom(game_folder + "/fonts");
    return loaded;
  }();
  return fonts;
}

// Pictures are left out unless asked for, so that most runs stay quick.
class HeadlessGame {
 public:
  explicit HeadlessGame(const std::string& game_folder, bool with_pictures = false)
      : host(game_folder), program(host, GameFonts(game_folder)) {
    program.Rng.FixSeed(12345);
    const std::string failed =
        program.Start(with_pictures ? GamePictures(game_folder) : std::make_shared<core::PictureStore>());
    if (!failed.empty()) throw std::runtime_error(failed);
  }

  // Moves the clock on in steps of 10 ms, firing timers and playing sounds as the real loop does.
  void Wait(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
      host.now += 10;
      host.audio.Advance(10);
      program.Advance(host.now);
    }
  }
  // One tick of every enabled screen timer (and the watchdog).
  void Tick() { Wait(100); }

  // Presses and releases at picture coordinates of the visible screen.
  int WindowX(int x) const { return host.client.width / 2 - 400 + x; }
  int WindowY(int y) const { return host.client.height / 2 - 300 + y; }
  void Press(int x, int y, core::MouseButton button = core::MouseButton::Left) { program.MouseDown(WindowX(x), WindowY(y), button); }
  void Release(int x, int y, core::MouseButton button = core::MouseButton::Left) { program.MouseUp(WindowX(x), WindowY(y), button); }
  void Click(int x, int y, core::MouseButton button = core::MouseButton::Left) {
    Press(x, y, button);
    Release(x, y, button);
  }
  void Move(int x, int y) { program.MouseMove(WindowX(x), WindowY(y)); }

  // Makes one screen the only visible and active one, as a hand-over to it would.
  void ShowOnly(core::Screen& screen) {
    for (core::Screen* other : program.Screens()) {
      other->Hide();
      program.DisableTick(*other);
    }
    screen.Show();
    program.EnableTick(screen);
  }

  platform::HeadlessHost host;
  Program program;
};

}  // namespace app
