// The target-shooting scene scores a ball by how far it lands from the target's
// centre at (288, 201), in whole pixels, with limits 2, 6, 13, 17 and 21. The
// painted target must agree: its centre on that pixel, each ring ending at its limit.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/art_picture.h"

namespace {

using art_checks::DecodedPicture;
using art_checks::Rgb;

constexpr int kCentreX = 288;
constexpr int kCentreY = 201;

struct Band {
  int limit;  // the last whole-pixel distance that still scores in this band
  Rgb colour;
  const char* name;
};

// Innermost first; the last entry is the wooden board around the target.
const std::array<Band, 6> kBands{{
    {2, {0xFF, 0xD2, 0x3F}, "yellow centre"},
    {6, {0xD7, 0x26, 0x3D}, "red ring"},
    {13, {0x1F, 0x7A, 0xE0}, "blue ring"},
    {17, {0x1B, 0x2A, 0x41}, "dark ring"},
    {21, {0xF7, 0xF4, 0xEC}, "white ring"},
    {std::numeric_limits<int>::max(), {0xC8, 0x96, 0x5A}, "board"},
}};

int squaredDistance(const Rgb& a, const Rgb& b) {
  const int dr = a.red - b.red;
  const int dg = a.green - b.green;
  const int db = a.blue - b.blue;
  return dr * dr + dg * dg + db * db;
}

std::string nearestBand(const Rgb& colour) {
  const Band* best = &kBands.front();
  for (const Band& band : kBands) {
    if (squaredDistance(colour, band.colour) < squaredDistance(colour, best->colour)) best = &band;
  }
  return best->name;
}

std::string bandScoredAt(int distance) {
  for (const Band& band : kBands) {
    if (distance <= band.limit) return band.name;
  }
  return kBands.back().name;
}

const DecodedPicture& targetScene() {
  static const DecodedPicture scene = art_checks::DecodeAssetPicture("assets/pictures/TForm19/Image1.jpg");
  return scene;
}

TEST(TargetScene, IsTheFullSizeFieldScene) {
  const DecodedPicture& scene = targetScene();
  ASSERT_EQ(scene.width, 600);
  ASSERT_EQ(scene.height, 450);
}

// Along each axis every pixel out to the board shows the band that a ball landing
// on it scores, so the rings end exactly at the limits on every side.
TEST(TargetScene, RingsEndAtTheScoringLimitsOnEverySide) {
  const DecodedPicture& scene = targetScene();
  ASSERT_EQ(scene.width, 600);
  const std::array<std::array<int, 2>, 4> directions{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
  for (const auto& [dx, dy] : directions) {
    for (int distance = 0; distance <= 25; ++distance) {
      const int x = kCentreX + dx * distance;
      const int y = kCentreY + dy * distance;
      EXPECT_EQ(nearestBand(scene.at(x, y)), bandScoredAt(distance))
          << "at (" << x << ", " << y << "), " << distance << " px from the centre";
    }
  }
}

// Off the axes the rings are round; the middle of each ring shows its colour all round.
TEST(TargetScene, RingsAreRoundAboutTheCentre) {
  const DecodedPicture& scene = targetScene();
  ASSERT_EQ(scene.width, 600);
  const std::array<double, 5> ringMiddles{0.0, 4.0, 9.5, 15.0, 19.0};
  for (std::size_t ring = 0; ring < ringMiddles.size(); ++ring) {
    for (int step = 0; step < 16; ++step) {
      const double angle = step * 3.14159265358979 / 8.0;
      const int x = kCentreX + static_cast<int>(std::lround(ringMiddles[ring] * std::cos(angle)));
      const int y = kCentreY + static_cast<int>(std::lround(ringMiddles[ring] * std::sin(angle)));
      EXPECT_EQ(nearestBand(scene.at(x, y)), kBands[ring].name) << "at (" << x << ", " << y << ")";
    }
  }
}

}  // namespace
