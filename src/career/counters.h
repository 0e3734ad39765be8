#pragma once
#include <algorithm>
#include <limits>

#include "career/career_record.h"

namespace career {

// A saved career may hold any number in any field. A sum worked out wide keeps to the ends of
// 32 bits instead of turning over.
inline int32 InInt32Range(long long value) {
  return static_cast<int32>(std::clamp<long long>(value, std::numeric_limits<int32>::min(), std::numeric_limits<int32>::max()));
}

inline int32 SaturatingAdd(int32 value, int32 amount) { return InInt32Range(static_cast<long long>(value) + amount); }

// The career's and the match's counts go on by one and stop at the largest value.
inline void CountOn(int32& counter) { counter = SaturatingAdd(counter, 1); }

}  // namespace career
