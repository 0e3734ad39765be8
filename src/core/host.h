#pragma once
#include <cstdint>
#include <string>

#include "career/files.h"
#include "gfx/picture.h"

namespace core {

// What the window shows around a screen's picture. The button-highlight colour is the
// desktop's own, white on most.
enum class WindowBackground { White, ButtonHighlight };

struct WindowSize {
  int width = 800;
  int height = 600;
};

// What the sound bank mixes from: called by the audio output, possibly on its own thread,
// always with the output's lock held.
class SoundMixer {
 public:
  virtual ~SoundMixer() = default;
  virtual void Mix(std::int16_t* samples, int count) = 0;
  // Moves the voices on as Mix would, sounding nothing: for an output that mixes them itself.
  virtual void Skip(int count) = 0;
};

// The audio output: mono 16-bit samples at its own rate.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  virtual int SampleRate() const = 0;
  virtual void Attach(SoundMixer* mixer) = 0;
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  // Told of each request to a voice ("play", "stop", "rewind") before the mixer takes it, for
  // an output that mixes the voices itself.
  virtual void Requested(const char* /*request*/, int /*sound*/) {}
};

// Everything the game asks of the machine it runs on. The platform supplies the real one;
// tests supply a fake.
class Host {
 public:
  virtual ~Host() = default;

  virtual WindowSize ClientSize() const = 0;
  // Shows a frame with its top-left corner at (left, top) of the window, on white.
  virtual void Present(const gfx::Picture& frame, int left, int top) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // A normal window with border, caption bar and close button, or the borderless full screen.
  virtual void SetBordered(bool bordered) = 0;
  virtual void SetBackground(WindowBackground background) = 0;
  // An error message box over the window as it is now. It waits for OK while the game goes on
  // behind it; the player's clicks and keys wait with it.
  virtual void ShowError(const std::string& title, const std::string& text) = 0;
  virtual std::uint64_t NowMs() const = 0;
  virtual void Quit() = 0;

  virtual AudioOutput& Audio() = 0;
  virtual career::Files& WorkingFolder() = 0;
  // The folder of the program, where pictures/ and fonts/ lie.
  virtual std::string ProgramFolder() const = 0;
};

}  // namespace core
