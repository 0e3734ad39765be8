#pragma once

namespace tour {

// A figure's animation: frames 1..count that repeat, shown by consecutive pictures of a screen.
struct FrameLoop {
  int count;
  int first_image;  // the picture of frame 1

  // The frame after this one, back to 1 after the last.
  constexpr int Next(int frame) const { return frame + 1 > count ? 1 : frame + 1; }
  // The picture of a frame; none for a frame outside 1..count.
  constexpr int Image(int frame) const { return frame >= 1 && frame <= count ? first_image + frame - 1 : 0; }
};

}  // namespace tour
