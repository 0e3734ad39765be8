#pragma once
#include <SDL.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/disk_files.h"
#include "platform/error_box.h"
#include "platform/scaling.h"
#include "shell/host.h"

namespace shell { class Program; }

namespace platform {

// The sound output: one SDL audio device, or silence when the machine has none, in which case
// the voices are still moved on by the clock so that they end as they would.
class SdlAudio : public shell::AudioOutput {
 public:
  SdlAudio();
  ~SdlAudio() override;
  int SampleRate() const override { return rate_; }
  void Attach(shell::SoundMixer* mixer) override;
  void Lock() override;
  void Unlock() override;

  // Without a device: mixes the time that passed into nowhere.
  void AdvanceSilently(std::uint64_t now_ms);

 private:
  static void Callback(void* self, Uint8* stream, int length);

  SDL_AudioDeviceID device_ = 0;
  int rate_ = 44100;
  shell::SoundMixer* mixer_ = nullptr;
  std::uint64_t silent_clock_ = 0;
};

// One window for every screen, borderless over the whole display. At a scale above 1 every
// pixel of the game shows as a square of that many display pixels each way.
class SdlHost : public shell::Host {
 public:
  // Without a scale: the largest at which the picture fits the display.
  explicit SdlHost(std::string program_folder, std::optional<int> scale = std::nullopt);
  ~SdlHost() override;

  bool Ready() const { return window_ != nullptr; }

  shell::WindowSize ClientSize() const override;
  void Present(const gfx::Picture& frame, int left, int top) override;
  void SetCaption(const std::string& caption) override;
  void SetBordered(bool bordered) override;
  void SetBackground(shell::WindowBackground background) override;
  // Opens the error box over the window; the game runs on behind it.
  void ShowError(const std::string& title, const std::string& text) override;
  bool ErrorShowing() const { return error_box_.IsOpen(); }
  std::uint64_t NowMs() const override;
  void Quit() override { quitting_ = true; }
  shell::AudioOutput& Audio() override { return audio_; }
  career::Files& WorkingFolder() override { return files_; }
  std::string ProgramFolder() const override { return program_folder_; }

  // Handles the waiting events and fires the due timers; false once the program is to end.
  bool RunOnce(shell::Program& program);
  // Runs the game until it ends, asleep between one timer and the next unless woken by input.
  void Run(shell::Program& program);
  int Scale() const { return scaling_.Factor; }

 private:
  void Handle(const SDL_Event& event, shell::Program& program);
  void Redraw();
  // While the error box is open it takes the mouse and the keys; true when it took the event.
  bool ErrorBoxTakes(const SDL_Event& event);
  void UploadErrorBox();
  void SleepUntil(std::optional<std::uint64_t> due) const;
  // A rectangle of the game's client area on the window.
  SDL_Rect OnWindow(gfx::Point at, int width, int height) const;
  gfx::Point InGame(int window_x, int window_y) const { return scaling_.ToGame(window_x, window_y); }

  std::string program_folder_;
  Scaling scaling_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Texture* error_texture_ = nullptr;
  int texture_width_ = 0;
  int texture_height_ = 0;
  int frame_left_ = 0;
  int frame_top_ = 0;
  bool have_frame_ = false;
  std::vector<std::uint32_t> shown_pixels_;
  bool quitting_ = false;
  SdlAudio audio_;
  DiskFiles files_;
  gfx::FontLibrary error_fonts_;
  ErrorBox error_box_{error_fonts_};
};

// The folder of the running program, without a trailing slash.
std::string RunningProgramFolder();

}  // namespace platform
