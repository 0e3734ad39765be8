#pragma once
#include "career/career_record.h"

namespace world {

using int32 = career::int32;

// The choices that one screen hands to the next. Program-wide, not saved.
struct SharedState {
  int32 SelectedPlayer = 1;  // 1..7
  int32 HoverItem = 0;       // the team page's menu item under the pointer, 0 none
  int32 Surface = 1;         // 1 Grass, 2 Dirt & Stone, 3 Snow, 4 Artificial Turf
  int32 FieldLayout = 0;     // 1..5
  int32 ResultClickLock = 0;
  int32 ImprovedPlayer = 0;
  int32 ResultFrame = 0;
};

}  // namespace world
