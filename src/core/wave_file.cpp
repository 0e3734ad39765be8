#include "core/wave_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace core {

namespace {

struct WaveFormat {
  int channels = 0;
  int rate = 0;
  int bits = 0;
};

std::uint32_t Little32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24); }
std::uint16_t Little16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool IsTag(const std::uint8_t* p, std::string_view tag) { return std::memcmp(p, tag.data(), 4) == 0; }

std::optional<WaveFormat> ReadFormat(std::span<const std::uint8_t> chunk) {
  if (chunk.size() < 16 || Little16(chunk.data()) != 1) return std::nullopt;  // PCM only
  WaveFormat format{Little16(chunk.data() + 2), static_cast<int>(Little32(chunk.data() + 4)), Little16(chunk.data() + 14)};
  const bool sensible = format.channels >= 1 && format.channels <= 8 && format.rate >= 1000 &&
                        format.rate <= 192000 && (format.bits == 8 || format.bits == 16);
  if (!sensible) return std::nullopt;
  return format;
}

std::vector<std::int16_t> ToMono(std::span<const std::uint8_t> data, const WaveFormat& format) {
  const int bytes_per_sample = format.bits / 8;
  const std::size_t frame_size = static_cast<std::size_t>(bytes_per_sample) * format.channels;
  std::vector<std::int16_t> mono(data.size() / frame_size);
  for (std::size_t frame = 0; frame < mono.size(); ++frame) {
    int sum = 0;
    for (int channel = 0; channel < format.channels; ++channel) {
      const std::uint8_t* p = data.data() + frame * frame_size + static_cast<std::size_t>(channel) * bytes_per_sample;
      sum += format.bits == 16 ? static_cast<std::int16_t>(Little16(p)) : (p[0] - 128) * 256;
    }
    mono[frame] = static_cast<std::int16_t>(sum / format.channels);
  }
  return mono;
}

std::vector<std::int16_t> Resample(const std::vector<std::int16_t>& in, int from_rate, int to_rate) {
  if (from_rate == to_rate || in.empty()) return in;
  const std::size_t out_count = static_cast<std::size_t>(static_cast<double>(in.size()) * to_rate / from_rate);
  std::vector<std::int16_t> out(out_count);
  const double step = static_cast<double>(from_rate) / to_rate;
  for (std::size_t i = 0; i < out_count; ++i) {
    const double at = static_cast<double>(i) * step;
    const std::size_t left = std::min(static_cast<std::size_t>(at), in.size() - 1);
    const std::size_t right = std::min(left + 1, in.size() - 1);
    const double part = at - static_cast<double>(left);
    out[i] = static_cast<std::int16_t>(in[left] + (in[right] - in[left]) * part);
  }
  return out;
}

}  // namespace

std::optional<std::vector<std::int16_t>> DecodeWave(std::span<const std::uint8_t> bytes, int output_rate) {
  if (bytes.size() < 12 || !IsTag(bytes.data(), "RIFF") || !IsTag(bytes.data() + 8, "WAVE")) return std::nullopt;
  std::optional<WaveFormat> format;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::uint8_t* header = bytes.data() + at;
    const std::size_t size = std::min<std::size_t>(Little32(header + 4), bytes.size() - at - 8);
    const std::span<const std::uint8_t> body = bytes.subspan(at + 8, size);
    if (IsTag(header, "fmt ")) format = ReadFormat(body);
    if (IsTag(header, "data")) {
      if (!format) return std::nullopt;
      return Resample(ToMono(body, *format), format->rate, output_rate);
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace core
