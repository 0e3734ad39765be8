#include <gtest/gtest.h>

#include "core/wave_file.h"
#include "support/fake_host.h"

using core::Sound;
using testing_support::Game;

TEST(SoundBank, APlayingSoundIsNotRestartedAndAnEndedOneStartsAgain) {
  Game game;
  auto& sounds = game.program.Sounds;
  sounds.Play(Sound::Click);
  game.host.audio.Advance(100);
  sounds.Play(Sound::Click);  // still playing: goes on
  EXPECT_EQ(sounds.Starts(Sound::Click), 1);
  EXPECT_EQ(sounds.Position(Sound::Click), 100u);
  game.host.audio.Advance(250);
  EXPECT_FALSE(sounds.IsPlaying(Sound::Click));
  sounds.Play(Sound::Click);
  EXPECT_EQ(sounds.Starts(Sound::Click), 2);
  EXPECT_EQ(sounds.Position(Sound::Click), 0u);
}

TEST(SoundBank, StopKeepsThePlaceAndRewindGoesBackToTheStart) {
  Game game;
  auto& sounds = game.program.Sounds;
  sounds.Play(Sound::Drummers);
  game.host.audio.Advance(120);
  sounds.Stop(Sound::Drummers);
  game.host.audio.Advance(100);
  EXPECT_EQ(sounds.Position(Sound::Drummers), 120u);
  sounds.Play(Sound::Drummers);
  game.host.audio.Advance(10);
  EXPECT_EQ(sounds.Position(Sound::Drummers), 130u);
  sounds.StopAndRewindAll();
  EXPECT_EQ(sounds.Position(Sound::Drummers), 0u);
  EXPECT_FALSE(sounds.IsPlaying(Sound::Drummers));
}

TEST(SoundBank, DifferentSoundsOverlapAndTheMixIsClamped) {
  testing_support::FakeHost host;
  for (int i = 0; i < core::kSoundCount; ++i) {
    host.files.files[core::SoundFileName(static_cast<Sound>(i))] = testing_support::MakeWave(50, 30000);
  }
  app::Program program(host);
  ASSERT_EQ(program.Start(std::make_shared<core::PictureStore>()), "");
  program.Sounds.Play(Sound::Rain);
  program.Sounds.Play(Sound::Wind);
  std::int16_t out[10];
  program.Sounds.Mix(out, 10);
  EXPECT_EQ(out[0], 32767);
  EXPECT_EQ(program.Sounds.Position(Sound::Rain), 10u);
  EXPECT_EQ(program.Sounds.Position(Sound::Wind), 10u);
}

// The audio output asks for long stretches too; each sound ends exactly where it ends.
TEST(SoundBank, ALongMixAddsEachSoundToItsLastSampleAndSilenceAfter) {
  testing_support::FakeHost host;
  host.files.files["rain.wav"] = testing_support::MakeWave(1300, 100);
  host.files.files["wind2.wav"] = testing_support::MakeWave(700, 200);
  app::Program program(host);
  ASSERT_EQ(program.Start(std::make_shared<core::PictureStore>()), "");
  program.Sounds.Play(Sound::Rain);
  program.Sounds.Play(Sound::Wind);
  std::vector<std::int16_t> out(2000, -1);
  program.Sounds.Mix(out.data(), static_cast<int>(out.size()));
  for (std::size_t i = 0; i < out.size(); ++i) {
    ASSERT_EQ(out[i], i < 700 ? 300 : i < 1300 ? 100 : 0) << "sample " << i;
  }
  EXPECT_FALSE(program.Sounds.IsPlaying(Sound::Rain));
}

namespace {

// An output that mixes the voices itself: it keeps the requests it is told of.
class TellingAudio : public testing_support::FakeAudio {
 public:
  std::vector<std::pair<std::string, int>> requests;
  void Requested(const char* request, int sound) override { requests.emplace_back(request, sound); }
};

}  // namespace

// Skipping moves every voice exactly as mixing the same stretch does, through ends and
// restarts, and the output hears each request in order.
TEST(SoundBank, SkipMovesTheVoicesAsMixDoesAndTheOutputIsToldEachRequest) {
  testing_support::MemoryFiles files;
  for (int i = 0; i < core::kSoundCount; ++i) files.files[core::SoundFileName(static_cast<Sound>(i))] = testing_support::MakeWave(40 + 30 * i);
  TellingAudio mixed_audio, skipped_audio;
  core::SoundBank mixed(mixed_audio), skipped(skipped_audio);
  ASSERT_EQ(mixed.Open(files), "");
  ASSERT_EQ(skipped.Open(files), "");
  std::vector<std::int16_t> out(1000);
  for (int step = 0; step < 60; ++step) {
    const Sound sound = static_cast<Sound>(step * 5 % core::kSoundCount);
    for (core::SoundBank* bank : {&mixed, &skipped}) {
      if (step % 7 == 3) bank->Stop(sound);
      else if (step % 11 == 5) bank->Rewind(sound);
      else bank->Play(sound);
    }
    const int stretch = 7 + step * 13 % 90;
    mixed.Mix(out.data(), stretch);
    skipped.Skip(stretch);
    for (int i = 0; i < core::kSoundCount; ++i) {
      const Sound each = static_cast<Sound>(i);
      ASSERT_EQ(skipped.Position(each), mixed.Position(each)) << "step " << step << ", sound " << i;
      ASSERT_EQ(skipped.IsPlaying(each), mixed.IsPlaying(each)) << "step " << step << ", sound " << i;
    }
  }
  ASSERT_EQ(skipped_audio.requests.size(), 60u);
  EXPECT_EQ(skipped_audio.requests[0], std::make_pair(std::string("play"), 0));
  EXPECT_EQ(skipped_audio.requests[3], std::make_pair(std::string("stop"), 1));
  EXPECT_EQ(skipped_audio.requests[5], std::make_pair(std::string("rewind"), 11));
  EXPECT_EQ(skipped_audio.requests, mixed_audio.requests);
}

TEST(WaveFile, DecodesPcmAndRejectsWhatIsNot) {
  const auto wave = testing_support::MakeWave(40, 1234);
  const auto same_rate = core::DecodeWave(wave, 1000);
  ASSERT_TRUE(same_rate);
  EXPECT_EQ(same_rate->size(), 40u);
  EXPECT_EQ((*same_rate)[5], 1234);
  const auto doubled = core::DecodeWave(wave, 2000);
  ASSERT_TRUE(doubled);
  EXPECT_EQ(doubled->size(), 80u);
  auto cut = wave;
  cut.resize(30);
  EXPECT_FALSE(core::DecodeWave(cut, 1000));
  const std::vector<std::uint8_t> junk(100, 0x41);
  EXPECT_FALSE(core::DecodeWave(junk, 1000));
  auto lying = wave;
  lying[40] = 0xFF;  // a data chunk claiming more bytes than there are
  lying[41] = 0xFF;
  lying[42] = 0xFF;
  EXPECT_TRUE(core::DecodeWave(lying, 1000));
}

TEST(WaveFile, EveryGameSoundOpensAtTheOutputRate) {
  for (int i = 0; i < core::kSoundCount; ++i) {
    const std::string name = core::SoundFileName(static_cast<Sound>(i));
    const auto bytes = gfx::ReadFileBytes(std::string(SPLATVANE_GAME_DIR) + "/" + name);
    ASSERT_TRUE(bytes) << name;
    const auto samples = core::DecodeWave(*bytes, 44100);
    ASSERT_TRUE(samples) << name;
    EXPECT_GT(samples->size(), 100u) << name;
  }
}
