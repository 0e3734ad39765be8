#include "core/sound_bank.h"

#include <algorithm>

#include "core/wave_file.h"

namespace core {

namespace {

constexpr const char* kFileNames[kSoundCount] = {
    "click3.wav", "drummers.wav", "cashreg.wav", "thunder.wav", "markerpop.wav", "markerpop2.wav", "markerpop3.wav",
    "rain.wav",   "wind2.wav",    "bird.wav",    "bark.wav",    "hiss.wav",      "defeat.wav",     "victory2.wav"};

// Long enough for the longest music loop at any output rate.
constexpr std::size_t kLargestWaveFile = 64u << 20;

}  // namespace

const char* SoundFileName(Sound sound) { return kFileNames[static_cast<int>(sound)]; }

class SoundBank::Locked {
 public:
  explicit Locked(AudioOutput& output) : output_(output) { output_.Lock(); }
  ~Locked() { output_.Unlock(); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  AudioOutput& output_;
};

SoundBank::SoundBank(AudioOutput& output) : output_(output) { output_.Attach(this); }

SoundBank::~SoundBank() { output_.Attach(nullptr); }

std::string SoundBank::Open(career::Files& folder) {
  for (int i = 0; i < kSoundCount; ++i) {
    std::vector<std::uint8_t> bytes;
    if (folder.Read(kFileNames[i], kLargestWaveFile, bytes) != 0) return kFileNames[i];
    auto samples = DecodeWave(bytes, output_.SampleRate());
    if (!samples) return kFileNames[i];
    const Locked lock(output_);
    voices_[i] = Voice{std::move(*samples)};
  }
  return {};
}

void SoundBank::Tell(const char* request, Sound sound) {
  if (Observer) Observer(request, sound);
  output_.Requested(request, static_cast<int>(sound));
}

void SoundBank::Play(Sound sound) {
  Tell("play", sound);
  const Locked lock(output_);
  Voice& voice = VoiceOf(sound);
  ++voice.play_requests;
  if (voice.playing) return;
  if (voice.position >= voice.samples.size()) voice.position = 0;
  voice.playing = true;
  ++voice.starts;
}

void SoundBank::Stop(Sound sound) {
  Tell("stop", sound);
  const Locked lock(output_);
  VoiceOf(sound).playing = false;
}

void SoundBank::Rewind(Sound sound) {
  Tell("rewind", sound);
  const Locked lock(output_);
  VoiceOf(sound).position = 0;
}

void SoundBank::StopAll() {
  for (int i = 0; i < kSoundCount; ++i) Stop(static_cast<Sound>(i));
}

void SoundBank::StopAndRewindAll() {
  StopAll();
  for (int i = 0; i < kSoundCount; ++i) Rewind(static_cast<Sound>(i));
}

bool SoundBank::IsPlaying(Sound sound) const { return VoiceOf(sound).playing; }
std::size_t SoundBank::Position(Sound sound) const { return VoiceOf(sound).position; }
std::size_t SoundBank::Length(Sound sound) const { return VoiceOf(sound).samples.size(); }
int SoundBank::PlayRequests(Sound sound) const { return VoiceOf(sound).play_requests; }
int SoundBank::Starts(Sound sound) const { return VoiceOf(sound).starts; }

// Runs on the audio thread: it mixes in a block on the stack, so it never waits on the
// allocator, which the game thread may be holding.
void SoundBank::Mix(std::int16_t* samples, int count) {
  constexpr std::size_t kBlock = 512;
  const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
  for (std::size_t done = 0; done < wanted; done += kBlock) {
    std::array<int, kBlock> sum{};
    const std::size_t length = std::min(kBlock, wanted - done);
    for (Voice& voice : voices_) AddVoice(voice, std::span<int>(sum.data(), length));
    for (std::size_t i = 0; i < length; ++i) samples[done + i] = static_cast<std::int16_t>(std::clamp(sum[i], -32768, 32767));
  }
}

void SoundBank::Skip(int count) {
  const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
  for (Voice& voice : voices_) MoveOn(voice, wanted);
}

void SoundBank::AddVoice(Voice& voice, std::span<int> sum) {
  const std::size_t from = voice.position;
  const std::size_t taken = MoveOn(voice, sum.size());
  for (std::size_t i = 0; i < taken; ++i) sum[i] += voice.samples[from + i];
}

std::size_t SoundBank::MoveOn(Voice& voice, std::size_t count) {
  if (!voice.playing) return 0;
  const std::size_t left = voice.samples.size() - std::min(voice.position, voice.samples.size());
  const std::size_t taken = std::min(left, count);
  voice.position += taken;
  // A sound that reached its end stops there; the next Play starts it from the beginning.
  if (voice.position >= voice.samples.size()) voice.playing = false;
  return taken;
}

}  // namespace core
