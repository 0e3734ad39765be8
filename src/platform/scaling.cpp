#include "platform/scaling.h"

#include <algorithm>

#include "shell/screen.h"

namespace platform {

int LargestScaleFitting(int display_width, int display_height) {
  return std::max(1, std::min(display_width / shell::kPictureWidth, display_height / shell::kPictureHeight));
}

}  // namespace platform
