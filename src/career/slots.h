#pragma once
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

namespace career {

// A fixed array numbered 1..N, as the game counts its players, recruits and paintballs.
// An index outside 1..N is a fault in the caller; it is caught in checked builds and,
// so that a wild value can never reach memory outside the array, clamped otherwise.
template <typename T, int N>
struct Slots {
  T items[N];

  static constexpr int Count() { return N; }
  static constexpr bool InRange(long long index) { return index >= 1 && index <= N; }

  T& operator[](long long index) { return items[Clamp(index)]; }
  const T& operator[](long long index) const { return items[Clamp(index)]; }

  T* begin() { return items; }
  T* end() { return items + N; }
  const T* begin() const { return items; }
  const T* end() const { return items + N; }

 private:
  static constexpr int Clamp(long long index) {
    assert(InRange(index) && "slot index out of range");
    return static_cast<int>(std::clamp<long long>(index, 1, N) - 1);
  }
};

// A name as the career file keeps it: a length byte and 20 character bytes. The bytes after
// the length are not part of the name and are kept exactly as they are.
struct ShortString {
  static constexpr int kCapacity = 20;
  std::uint8_t length;
  char chars[kCapacity];

  std::string Get() const { return std::string(chars, std::min<int>(length, kCapacity)); }
  void Set(std::string_view text) {
    length = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), kCapacity));
    std::copy_n(text.data(), length, chars);
  }
};

}  // namespace career
