#include <cstdio>
#include <vector>

#include "platform/sdl_host.h"

namespace platform {

SdlAudio::SdlAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "Splatvane: no sound (%s)\n", SDL_GetError());
    return;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = rate_;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  wanted.callback = &SdlAudio::Callback;
  wanted.userdata = this;
  SDL_AudioSpec obtained{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device_ == 0) {
    std::fprintf(stderr, "Splatvane: no sound (%s)\n", SDL_GetError());
    // Without a device the audio drivers would still look for one, every second, for nothing.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  SDL_PauseAudioDevice(device_, 0);
}

SdlAudio::~SdlAudio() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
}

void SdlAudio::Attach(core::SoundMixer* mixer) {
  Lock();
  mixer_ = mixer;
  Unlock();
}

void SdlAudio::Lock() {
  if (device_ != 0) SDL_LockAudioDevice(device_);
}

void SdlAudio::Unlock() {
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
}

void SdlAudio::Callback(void* self, Uint8* stream, int length) {
  auto* audio = static_cast<SdlAudio*>(self);
  auto* samples = reinterpret_cast<std::int16_t*>(stream);
  const int count = length / 2;
  if (audio->mixer_) {
    audio->mixer_->Mix(samples, count);
  } else {
    SDL_memset(stream, 0, static_cast<std::size_t>(length));
  }
}

void SdlAudio::AdvanceSilently(std::uint64_t now_ms) {
  if (device_ != 0) return;
  if (silent_clock_ == 0 || now_ms < silent_clock_) silent_clock_ = now_ms;
  const std::uint64_t elapsed = std::min<std::uint64_t>(now_ms - silent_clock_, 1000);
  const int count = static_cast<int>(elapsed * static_cast<std::uint64_t>(rate_) / 1000);
  if (count <= 0 || !mixer_) return;
  silent_clock_ = now_ms;
  std::vector<std::int16_t> nowhere(static_cast<std::size_t>(count));
  mixer_->Mix(nowhere.data(), count);
}

}  // namespace platform
