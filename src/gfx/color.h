#pragma once
#include <cstdint>

namespace gfx {

// A colour as red, green and blue; pixels are stored as 0x00RRGGBB.
struct Color {
  std::uint8_t r = 0, g = 0, b = 0;

  constexpr std::uint32_t Packed() const { return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b; }
  static constexpr Color FromPacked(std::uint32_t p) {
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
  }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Silver{192, 192, 192};
inline constexpr Color SkyBlue{166, 202, 240};
}  // namespace colors

}  // namespace gfx
