#pragma once
#include <algorithm>
#include <limits>

#include "career/career_record.h"

namespace career {

// A 0/1 switch turned over as the game turns it, 1 - value. A damaged save may hold any
// number in a switch; that number turns over without overflowing.
inline int32 TurnedOver(int32 value) {
  const long long turned = 1LL - value;
  return static_cast<int32>(std::clamp<long long>(turned, std::numeric_limits<int32>::min(), std::numeric_limits<int32>::max()));
}

}  // namespace career
