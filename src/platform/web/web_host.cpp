#include "platform/web/web_host.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "career/io_error.h"
#include "career/save_file.h"
#include "core/game.h"
#include "platform/web/web_page.h"

namespace platform {

void WebAudio::Follow() {
  bank_ = dynamic_cast<const core::SoundBank*>(mixer_);
  if (!bank_) return;
  for (int i = 0; i < core::kSoundCount; ++i) {
    const auto samples = bank_->Samples(static_cast<core::Sound>(i));
    web_audio_sound(i, samples.data(), static_cast<int>(samples.size()));
  }
}

void WebAudio::Requested(const char* request, int sound) {
  if (KeepUpWithSound()) web_audio_request(request, sound, static_cast<double>(voiced_until_));
}

void WebAudio::KeepUp(std::uint64_t now_ms) {
  if (KeepUpWithSound()) {
    silent_clock_ = 0;
    return;
  }
  if (silent_clock_ == 0 || now_ms < silent_clock_) silent_clock_ = now_ms;
  // A tab that comes back after long in the background moves the voices on by a second at most.
  const std::uint64_t elapsed = std::min<std::uint64_t>(now_ms - silent_clock_, 1000);
  const int count = static_cast<int>(elapsed * kRate / 1000);
  if (count <= 0 || !mixer_) return;
  silent_clock_ = now_ms;
  mixer_->Skip(count);
}

// The voices move with the samples the worklet has played: where they stand is where they
// sound. When sound starts, or starts again after a pause, the worklet takes the voices as
// they are.
bool WebAudio::KeepUpWithSound() {
  const double clock = web_audio_clock();
  if (clock < 0 || !mixer_) {
    sounding_ = false;
    return false;
  }
  const auto now = static_cast<std::int64_t>(clock);
  if (!sounding_) {
    sounding_ = true;
    voiced_until_ = now;
    TellVoices();
  } else if (now > voiced_until_) {
    mixer_->Skip(static_cast<int>(std::min<std::int64_t>(now - voiced_until_, 1 << 30)));
    voiced_until_ = now;
  }
  return true;
}

void WebAudio::TellVoices() const {
  if (!bank_) return;
  std::array<int, 2 * core::kSoundCount> voices{};
  for (int i = 0; i < core::kSoundCount; ++i) {
    const auto sound = static_cast<core::Sound>(i);
    voices[2 * i] = bank_->IsPlaying(sound) ? 1 : 0;
    voices[2 * i + 1] = static_cast<int>(bank_->Position(sound));
  }
  web_audio_voices(voices.data(), core::kSoundCount, static_cast<double>(voiced_until_));
}

WebHost::WebHost(std::string program_folder) : program_folder_(std::move(program_folder)) {
  error_fonts_.LoadFrom(program_folder_ + "/fonts");
}

core::WindowSize WebHost::ClientSize() const { return {web_client_width(), web_client_height()}; }

gfx::Point WebHost::ToGame(double page_x, double page_y) const {
  const double scale = web_window_scale();
  return {static_cast<int>(std::floor((page_x - web_window_left()) / scale)),
          static_cast<int>(std::floor((page_y - web_window_top()) / scale))};
}

namespace {

// The game's pixels are 0x00RRGGBB; the canvas takes red, green, blue and alpha bytes.
void CanvasBytes(const gfx::Picture& picture, std::vector<std::uint32_t>& rgba) {
  rgba.resize(picture.Pixels().size());
  std::transform(picture.Pixels().begin(), picture.Pixels().end(), rgba.begin(), [](std::uint32_t pixel) {
    return 0xFF000000u | ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
  });
}

}  // namespace

void WebHost::Present(const gfx::Picture& frame, int left, int top) {
  CanvasBytes(frame, rgba_);
  web_present(rgba_.data(), frame.Width(), frame.Height(), left, top);
}

void WebHost::SetCaption(const std::string& caption) { web_set_title(caption.c_str()); }

std::uint64_t WebHost::NowMs() const { return static_cast<std::uint64_t>(emscripten_get_now()); }

void WebHost::ShowError(const std::string& title, const std::string& text) {
  const bool was_open = error_box_.IsOpen();
  error_box_.Open(title, text);
  if (!was_open) ShowErrorBox();
}

void WebHost::ShowErrorBox() {
  if (!error_box_.IsOpen()) {
    web_show_box(nullptr, 0, 0, "");
    return;
  }
  const gfx::Picture& box = error_box_.Image();
  std::vector<std::uint32_t> rgba;
  CanvasBytes(box, rgba);
  web_show_box(rgba.data(), box.Width(), box.Height(), error_box_.Text().c_str());
}

void WebHost::ErrorBoxMouse(bool down, int x, int y) {
  const core::WindowSize window = ClientSize();
  const gfx::Point box = error_box_.PlaceIn(window.width, window.height);
  if (down) {
    error_box_.MouseDown({x, y}, box);
  } else {
    error_box_.MouseUp({x, y}, box);
  }
  ShowErrorBox();
}

void WebHost::ErrorBoxKey(bool dismiss) {
  if (!dismiss) return;
  error_box_.Dismiss();
  ShowErrorBox();
}

void WebHost::Frame() {
  if (!game_) return;
  const std::uint64_t now = NowMs();
  audio_.KeepUp(now);
  game_->Advance(now);
  if (!ErrorBoxOpen()) touch_->AfterTimers(now);
}

void WebHost::ExportCareer() {
  if (!game_) return;
  game_->Guarded([this] {
    std::vector<std::uint8_t> bytes;
    if (const int failed = files_.Read(career::kSaveFileName, career::kCareerRecordSize, bytes)) throw career::IoError(failed);
    if (bytes.size() < career::kCareerRecordSize) throw career::IoError(career::io_codes::kReadBeyondEnd);
    web_download(bytes.data(), static_cast<int>(bytes.size()), career::kSaveFileName);
  });
}

// A career file taken in is kept as the saved career, byte for byte, the way a save keeps one;
// Continue Game then plays it. One that cannot be read or is not one record is refused with
// the error Continue would give, and the saved career stays. A file of the wrong length comes
// without its bytes: the page never reads it.
void WebHost::ImportCareer(const std::uint8_t* bytes, int length) {
  if (!game_) return;
  game_->Guarded([&] {
    if (length < 0) throw career::IoError(career::io_codes::kAccessDenied);
    if (static_cast<std::size_t>(length) != career::kCareerRecordSize) throw career::IoError(career::io_codes::kReadBeyondEnd);
    if (!bytes) throw career::IoError(career::io_codes::kAccessDenied);
    career::CareerRecord record;
    std::memcpy(&record, bytes, career::kCareerRecordSize);
    career::SaveCareer(record, files_);
    web_note("Career imported: choose Continue Game on the title screen.");
  });
}

}  // namespace platform
