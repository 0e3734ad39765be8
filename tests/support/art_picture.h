#pragma once
// A committed picture read for checking where its painted parts lie.
#include <string>

#include "gfx/picture.h"

namespace art_checks {

struct Rgb {
  int red;
  int green;
  int blue;
};

struct DecodedPicture {
  int width = 0;
  int height = 0;
  gfx::Picture picture;

  Rgb at(int x, int y) const {
    const gfx::Color c = picture.ColorAt(x, y);
    return {c.r, c.g, c.b};
  }
};

// Reads a picture of the repository by its path below the root; empty when it cannot be read.
inline DecodedPicture DecodeAssetPicture(const std::string& relative) {
  const auto picture = gfx::Picture::FromJpegFile(std::string(SPLATVANE_SOURCE_DIR) + "/" + relative);
  if (!picture) return {};
  return {picture->Width(), picture->Height(), *picture};
}

}  // namespace art_checks
