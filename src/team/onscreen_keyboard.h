#pragma once
#include <array>
#include <optional>
#include <span>

namespace team {

// Where the keys of the on-screen keyboard lie on the team-building screen, with the keyboard
// picture drawn at (100, 300). A key's X range includes both ends; a row's band excludes both.
struct LetterKey {
  char letter;
  int left;
  int right;
};

struct KeyRow {
  int top;     // the band is top < Y < bottom
  int bottom;
  std::span<const LetterKey> keys;
};

inline constexpr LetterKey kRow1Keys[] = {
    {'Q', 103, 127}, {'W', 129, 154}, {'E', 156, 181}, {'R', 183, 208}, {'T', 210, 235},
    {'Y', 237, 261}, {'U', 263, 289}, {'I', 291, 315}, {'O', 317, 342}, {'P', 344, 372},
};
inline constexpr LetterKey kRow2Keys[] = {
    {'A', 117, 141}, {'S', 143, 168}, {'D', 170, 195}, {'F', 197, 222}, {'G', 224, 249},
    {'H', 251, 275}, {'J', 277, 302}, {'K', 304, 329}, {'L', 331, 356},
};
inline constexpr LetterKey kRow3Keys[] = {
    {'Z', 144, 170}, {'X', 172, 196}, {'C', 198, 223}, {'V', 225, 250}, {'B', 252, 277}, {'N', 279, 304}, {'M', 306, 330},
};

inline constexpr std::array<KeyRow, 3> kLetterRows = {{
    {302, 329, kRow1Keys},
    {330, 361, kRow2Keys},
    {363, 392, kRow3Keys},
}};

struct KeyArea {
  int left, right, top, bottom;  // left < X < right, top < Y < bottom
  constexpr bool Contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
};

inline constexpr KeyArea kSpaceKey{158, 316, 397, 423};
inline constexpr KeyArea kClearKey{360, 418, 326, 356};
inline constexpr KeyArea kOkKey{360, 418, 356, 387};

constexpr bool InBand(const KeyRow& row, int y) { return row.top < y && y < row.bottom; }

// The letter of the row whose X range holds X, if any.
constexpr std::optional<char> LetterAt(const KeyRow& row, int x) {
  for (const LetterKey& key : row.keys) {
    if (key.left <= x && x <= key.right) return key.letter;
  }
  return std::nullopt;
}

}  // namespace team
