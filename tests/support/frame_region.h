#pragma once
#include "gfx/picture.h"

namespace testing_support {

struct Region { int left, top, right, bottom; };  // right and bottom exclusive

// Whether the region shows the picture placed at (left, top); false where it reaches beyond it.
inline bool ShowsPicture(const gfx::Picture& frame, const gfx::Picture* picture, int left, int top, Region r) {
  if (!picture || r.left < left || r.top < top || r.right - left > picture->Width() || r.bottom - top > picture->Height()) return false;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (frame.PixelAt(x, y) != picture->PixelAt(x - left, y - top)) return false;
  return true;
}

inline bool IsBlank(const gfx::Picture& frame, Region r) {
  const gfx::Picture white(r.right, r.bottom);
  return ShowsPicture(frame, &white, 0, 0, r);
}

}  // namespace testing_support
