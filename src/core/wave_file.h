#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace core {

// A RIFF wave file of PCM samples (8 or 16 bit, any channel count) turned into mono
// 16-bit samples at the given rate. Nothing when the bytes are no such file.
std::optional<std::vector<std::int16_t>> DecodeWave(std::span<const std::uint8_t> bytes, int output_rate);

}  // namespace core
