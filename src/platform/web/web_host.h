#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/sound_bank.h"
#include "platform/error_box.h"
#include "platform/touch_pointer.h"
#include "platform/web/browser_files.h"

namespace core { class Game; }

namespace platform {

// The page's sound: the page's audio worklet mixes the voices off the page's thread, and the
// game's own voices follow its clock, so the game hears what the player hears. Each request to
// a voice goes to the worklet with the sample of the audio clock at which it happens. Until
// the player's first press lets sound start, or on a machine without sound, the page's clock
// moves the voices on silently.
class WebAudio : public core::AudioOutput {
 public:
  static constexpr int kRate = 44100;

  int SampleRate() const override { return kRate; }
  void Attach(core::SoundMixer* mixer) override { mixer_ = mixer; }
  // The page runs on one thread, so the voices are never moved while the game changes them.
  void Lock() override {}
  void Unlock() override {}
  void Requested(const char* request, int sound) override;

  // Hands the game's sounds to the page's mixer, once, and keeps the voices it starts from.
  // The mixer attached is the game's sound bank.
  void Follow();
  // Moves the voices to the audio clock, or on the page's clock while there is no sound.
  void KeepUp(std::uint64_t now_ms);

 private:
  bool KeepUpWithSound();
  void TellVoices() const;

  core::SoundMixer* mixer_ = nullptr;
  const core::SoundBank* bank_ = nullptr;
  bool sounding_ = false;
  std::int64_t voiced_until_ = 0;  // the sample of the audio clock where the voices stand
  std::uint64_t silent_clock_ = 0;
};

// The canvas between the page's bands: the game's window is the canvas seen at the scale that
// fits the 800 x 600 picture in it, and the page's points are taken back to its pixels.
class WebHost : public core::Host {
 public:
  explicit WebHost(std::string program_folder);

  core::WindowSize ClientSize() const override;
  void Present(const gfx::Picture& frame, int left, int top) override;
  void SetCaption(const std::string& caption) override;
  // A page has no window border of its own to give or take.
  void SetBordered(bool) override {}
  // The button-highlight colour stands as white, as on the desktop.
  void SetBackground(core::WindowBackground) override {}
  void ShowError(const std::string& title, const std::string& text) override;
  std::uint64_t NowMs() const override;
  // Closing is the browser's: the page stays as it is.
  void Quit() override {}
  core::AudioOutput& Audio() override { return audio_; }
  WebAudio& PageAudio() { return audio_; }
  career::Files& WorkingFolder() override { return files_; }
  std::string ProgramFolder() const override { return program_folder_; }

  // Listens to the page's mouse and keys and runs the game on the browser's frames.
  void Run(core::Game& game);
  // One frame: every timer that is due fires, each at most once.
  void Frame();

  // While the error box is open it takes the mouse and the keys.
  bool ErrorBoxOpen() const { return error_box_.IsOpen(); }
  void ErrorBoxMouse(bool down, int x, int y);
  void ErrorBoxKey(bool dismiss);

  // The page's career controls.
  void ExportCareer();
  void ImportCareer(const std::uint8_t* bytes, int length);

  core::Game* RunningGame() const { return game_; }
  // The game pixel under a point of the page (CSS pixels), also outside the game's window.
  gfx::Point ToGame(double page_x, double page_y) const;
  // Fingers on the picture and the pads, once the game runs.
  TouchPointer* Touch() { return touch_ ? &*touch_ : nullptr; }

 private:
  void ShowErrorBox();

  std::string program_folder_;
  core::Game* game_ = nullptr;
  std::optional<TouchPointer> touch_;
  std::vector<std::uint32_t> rgba_;
  WebAudio audio_;
  BrowserFiles files_;
  gfx::FontLibrary error_fonts_;
  ErrorBox error_box_{error_fonts_};
};

}  // namespace platform
