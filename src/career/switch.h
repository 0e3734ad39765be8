#pragma once
#include "career/counters.h"

namespace career {

// A 0/1 switch turned over as the game turns it, 1 - value. A damaged save may hold any
// number in a switch; that number turns over without overflowing.
inline int32 TurnedOver(int32 value) { return InInt32Range(1LL - value); }

}  // namespace career
