#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "career/files.h"
#include "core/host.h"

namespace core {

// The fourteen sounds of the game, each held by one player of the title screen.
enum class Sound {
  Click,         // click3.wav
  Drummers,      // drummers.wav, the team page's music
  CashRegister,  // cashreg.wav
  Thunder,
  MarkerPop,
  MarkerPop2,
  MarkerPop3,
  Rain,
  Wind,
  Bird,
  Bark,
  Hiss,
  Defeat,
  Victory,  // victory2.wav, also the title music
};

inline constexpr int kSoundCount = 14;
const char* SoundFileName(Sound sound);

// Each sound plays on its own, so different sounds overlap, but a sound never overlaps itself.
class SoundBank : public SoundMixer {
 public:
  explicit SoundBank(AudioOutput& output);
  ~SoundBank() override;

  // Opens every wave file by bare name; returns the name of the first one that could not be
  // opened, or an empty string.
  std::string Open(career::Files& folder);

  // A sound that has reached its end starts again from the beginning; a sound that is
  // playing goes on; a stopped sound continues from where it stopped.
  void Play(Sound sound);
  void Stop(Sound sound);
  void Rewind(Sound sound);
  void StopAll();
  void StopAndRewindAll();

  bool IsPlaying(Sound sound) const;
  std::size_t Position(Sound sound) const;
  std::size_t Length(Sound sound) const;
  // How often the sound was asked to play, and how often it really began to sound.
  int PlayRequests(Sound sound) const;
  int Starts(Sound sound) const;

  // The sound's samples at the output's rate.
  std::span<const std::int16_t> Samples(Sound sound) const { return VoiceOf(sound).samples; }

  void Mix(std::int16_t* samples, int count) override;
  void Skip(int count) override;

  // Told of every Play, Stop and Rewind asked for ("play", "stop", "rewind"): how a replayed
  // match logs its sounds.
  std::function<void(const char* request, Sound sound)> Observer;

 private:
  struct Voice {
    std::vector<std::int16_t> samples;
    std::size_t position = 0;
    bool playing = false;
    int play_requests = 0;
    int starts = 0;
  };
  class Locked;

  void Tell(const char* request, Sound sound);
  static void AddVoice(Voice& voice, std::span<int> sum);
  static std::size_t MoveOn(Voice& voice, std::size_t count);
  Voice& VoiceOf(Sound sound) { return voices_[static_cast<int>(sound)]; }
  const Voice& VoiceOf(Sound sound) const { return voices_[static_cast<int>(sound)]; }

  AudioOutput& output_;
  std::array<Voice, kSoundCount> voices_;
};

}  // namespace core
