#pragma once
#include <SDL.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/host.h"
#include "platform/disk_files.h"
#include "platform/error_box.h"
#include "platform/scaling.h"
#include "platform/window_picture.h"

namespace core { class Game; }

namespace platform {

// The sound output: one SDL audio device, or silence when the machine has none, in which case
// the voices are still moved on by the clock so that they end as they would.
class SdlAudio : public core::AudioOutput {
 public:
  SdlAudio();
  ~SdlAudio() override;
  int SampleRate() const override { return rate_; }
  void Attach(core::SoundMixer* mixer) override;
  void Lock() override;
  void Unlock() override;

  // Without a device: mixes the time that passed into nowhere.
  void AdvanceSilently(std::uint64_t now_ms);

 private:
  static void Callback(void* self, Uint8* stream, int length);

  SDL_AudioDeviceID device_ = 0;
  int rate_ = 44100;
  core::SoundMixer* mixer_ = nullptr;
  std::uint64_t silent_clock_ = 0;
};

// One window for every screen: borderless over the whole display, or a normal window beside
// the player's others; F11 and Alt+Enter switch between the two at any moment. The picture is
// shown at the scale the player chose, and only what changed goes to the display.
class SdlHost : public core::Host {
 public:
  SdlHost(std::string program_folder, ScaleChoice scale = {}, bool windowed = false);
  ~SdlHost() override;

  bool Ready() const { return window_ != nullptr; }

  core::WindowSize ClientSize() const override;
  void Present(const gfx::Picture& frame, int left, int top) override;
  void SetCaption(const std::string& caption) override;
  void SetBordered(bool bordered) override;
  void SetBackground(core::WindowBackground background) override;
  // Opens the error box over the window; the game runs on behind it.
  void ShowError(const std::string& title, const std::string& text) override;
  bool ErrorShowing() const { return error_box_.IsOpen(); }
  std::uint64_t NowMs() const override;
  void Quit() override { quitting_ = true; }
  core::AudioOutput& Audio() override { return audio_; }
  career::Files& WorkingFolder() override { return files_; }
  std::string ProgramFolder() const override { return program_folder_; }

  // Handles the waiting events and fires the due timers; false once the program is to end.
  bool RunOnce(core::Game& game);
  // Runs the game until it ends, asleep between one timer and the next unless woken by input.
  void Run(core::Game& game);

  const Scaling& Scale() const { return picture_.Scale(); }
  bool Windowed() const { return windowed_; }
  // Between the whole display and a window, as F11 does.
  void ToggleWindowed();
  SDL_Window* Window() const { return window_; }

 private:
  void Handle(const SDL_Event& event, core::Game& game);
  // Draws what changed since the last time onto the window and shows it.
  void Redraw();
  void FitToWindow(int width, int height);
  void PlaceWindow();
  void ApplyBorder();
  // While the error box is open it takes the mouse and the keys; true when it took the event.
  bool ErrorBoxTakes(const SDL_Event& event);
  void ShowErrorBox();
  void SleepUntil(std::optional<std::uint64_t> due) const;
  gfx::Point InGame(int window_x, int window_y) const { return Scale().ToGame(window_x, window_y); }

  std::string program_folder_;
  ScaleChoice scale_choice_;
  bool windowed_ = false;
  bool game_bordered_ = false;
  // Where the window was, to go back there from the whole display.
  std::optional<SDL_Rect> window_place_;
  SDL_Window* window_ = nullptr;
  WindowPicture picture_;
  // The window's pixels in the display's own format, when it is not the game's.
  std::vector<std::uint32_t> staging_;
  bool quitting_ = false;
  SdlAudio audio_;
  DiskFiles files_;
  gfx::FontLibrary error_fonts_;
  ErrorBox error_box_{error_fonts_};
};

// The display and the usable part of it (without the desktop's panels) of the window.
SDL_Rect DisplayOf(SDL_Window* window, bool usable);

// Why the game will not play with this video driver, or nothing: SDL falls back to drivers
// that show nothing when there is no display, unless the player chose one.
std::optional<std::string> RefusedVideoDriver(const char* driver, bool chosen_by_player, const char* display,
                                              const char* wayland_display);

// The folder of the running game, without a trailing slash.
std::string RunningProgramFolder();

}  // namespace platform
