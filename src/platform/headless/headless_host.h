#pragma once
// The headless platform, for driving the whole game without a window: a clock that is moved by
// hand, the last frame kept, sounds advanced with the clock, error boxes recorded, and a
// working folder in memory that can be made to fail at any step. Tests, tools, benchmarks and
// the fuzzer play on it.
#include <algorithm>
#include <cstring>
#include <span>
#include <utility>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "career/files.h"
#include "core/host.h"
#include "core/sound_bank.h"

namespace platform {

// One millisecond is one sample, so a sound's length in samples is its length in milliseconds.
class HeadlessAudio : public core::AudioOutput {
 public:
  int SampleRate() const override { return 1000; }
  void Attach(core::SoundMixer* mixer) override { mixer_ = mixer; }
  void Lock() override {}
  void Unlock() override {}
  void Advance(int ms) {
    if (!mixer_ || ms <= 0) return;
    std::vector<std::int16_t> out(static_cast<std::size_t>(ms));
    mixer_->Mix(out.data(), ms);
  }

 private:
  core::SoundMixer* mixer_ = nullptr;
};

class MemoryFiles : public career::Files {
 public:
  std::map<std::string, std::vector<std::uint8_t>> files;
  // Error codes to answer with at each step (0: the step works).
  int fail_create = 0, fail_write = 0, fail_close = 0, fail_rename = 0;
  // Bytes that reach the file before a failing write stops.
  std::size_t write_before_failing = 0;

  int Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) override {
    const auto found = files.find(name);
    if (found == files.end()) return 2;
    bytes.assign(found->second.begin(), found->second.begin() + std::min(max_bytes, found->second.size()));
    return 0;
  }
  int Resolve(const std::string& name, std::string& target) override {
    target = name;
    return 0;
  }
  int CreateBeside(const std::string& target, std::string& created) override {
    if (fail_create) return fail_create;
    created = target + ".new";
    files[created].clear();
    return 0;
  }
  int Write(const std::string& name, std::span<const std::uint8_t> bytes) override {
    auto& file = files[name];
    if (fail_write) {
      file.insert(file.end(), bytes.begin(), bytes.begin() + std::min(write_before_failing, bytes.size()));
      return fail_write;
    }
    file.insert(file.end(), bytes.begin(), bytes.end());
    return 0;
  }
  int Close(const std::string&) override { return fail_close; }
  int Rename(const std::string& from, const std::string& to) override {
    if (fail_rename) return fail_rename;
    const auto found = files.find(from);
    if (found == files.end()) return 2;
    files[to] = found->second;
    files.erase(from);
    return 0;
  }
  void Remove(const std::string& name) override { files.erase(name); }
  int KeepUnreadable(const std::string& name, std::string& kept) override {
    if (!files.count(name)) return 2;
    for (int attempt = 1;; ++attempt) {
      kept = career::UnreadableName(name, attempt);
      if (files.count(kept)) continue;
      files[kept] = files[name];
      files.erase(name);
      return 0;
    }
  }
};

// A short wave file of 16-bit mono samples at 1000 Hz: `ms` samples long.
inline std::vector<std::uint8_t> MakeWave(int ms, std::int16_t level = 1000) {
  const std::uint32_t data_size = static_cast<std::uint32_t>(ms) * 2;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(44 + data_size);
  auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i))); };
  auto put16 = [&](std::uint16_t v) { bytes.push_back(static_cast<std::uint8_t>(v)); bytes.push_back(static_cast<std::uint8_t>(v >> 8)); };
  auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(t[i])); };
  tag("RIFF"); put32(36 + data_size); tag("WAVE");
  tag("fmt "); put32(16); put16(1); put16(1); put32(1000); put32(2000); put16(2); put16(16);
  tag("data"); put32(data_size);
  for (int i = 0; i < ms; ++i) put16(static_cast<std::uint16_t>(level));
  return bytes;
}

class HeadlessHost : public core::Host {
 public:
  // Pictures and fonts are read from `program_folder`, as from beside the program.
  explicit HeadlessHost(std::string program_folder) : program_folder(std::move(program_folder)) {
    for (int i = 0; i < core::kSoundCount; ++i) files.files[core::SoundFileName(static_cast<core::Sound>(i))] = MakeWave(300);
  }

  core::WindowSize client{800, 600};
  std::uint64_t now = 1000;
  std::optional<gfx::Picture> frame;
  int frame_left = 0, frame_top = 0, frames_presented = 0;
  std::string caption;
  bool bordered = false;
  core::WindowBackground background = core::WindowBackground::White;
  bool quit = false;
  std::vector<std::string> errors;
  HeadlessAudio audio;
  MemoryFiles files;
  std::string program_folder;
  // Another working folder (the real disk) in place of the one in memory, once set.
  career::Files* other_folder = nullptr;
  // The window's caption at each error, to tell over which screen the box stood.
  std::vector<std::string> error_captions;
  // Runs that never look at the window (the fuzzer) leave the frame unkept.
  bool keep_frames = true;

  core::WindowSize ClientSize() const override { return client; }
  void Present(const gfx::Picture& picture, int left, int top) override {
    if (keep_frames) frame = picture;
    frame_left = left;
    frame_top = top;
    ++frames_presented;
  }
  void SetCaption(const std::string& text) override { caption = text; }
  void SetBordered(bool value) override { bordered = value; }
  void SetBackground(core::WindowBackground value) override { background = value; }
  void ShowError(const std::string&, const std::string& text) override {
    errors.push_back(text);
    error_captions.push_back(caption);
  }
  std::uint64_t NowMs() const override { return now; }
  void Quit() override { quit = true; }
  core::AudioOutput& Audio() override { return audio; }
  career::Files& WorkingFolder() override { return other_folder ? *other_folder : files; }
  std::string ProgramFolder() const override { return program_folder; }
};

}  // namespace platform
