// The on-screen keyboard and the title menu are pictures whose drawn keys and buttons must
// sit exactly where the screens answer presses. These tests decode the committed pictures
// and check the colours just inside and just outside every key's and button's edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "support/art_picture.h"

namespace {

using Colour = art_checks::Rgb;
using Decoded = art_checks::DecodedPicture;

Decoded decode(const std::string& relative) { return art_checks::DecodeAssetPicture(relative); }

int brightness(const Colour c) { return (c.red * 299 + c.green * 587 + c.blue * 114) / 1000; }

// An inclusive box in the 800 x 600 screen picture.
struct Box {
  const char* name;
  int left;
  int right;
  int top = 0;
  int bottom = 0;

  bool contains(const int x, const int y) const {
    return x >= left && x <= right && y >= top && y <= bottom;
  }
  int middleX() const { return (left + right) / 2; }
  int middleY() const { return (top + bottom) / 2; }
};

// The team-building screen's key ranges; its row bands are strict (302 < Y < 329).
std::vector<Box> keyboardKeys() {
  std::vector<Box> keys;
  const auto row = [&keys](const int top, const int bottom, const std::vector<Box>& letters) {
    for (Box key : letters) {
      key.top = top;
      key.bottom = bottom;
      keys.push_back(key);
    }
  };
  row(303, 328, {{"Q", 103, 127}, {"W", 129, 154}, {"E", 156, 181}, {"R", 183, 208}, {"T", 210, 235},
                 {"Y", 237, 261}, {"U", 263, 289}, {"I", 291, 315}, {"O", 317, 342}, {"P", 344, 372}});
  row(331, 360, {{"A", 117, 141}, {"S", 143, 168}, {"D", 170, 195}, {"F", 197, 222}, {"G", 224, 249},
                 {"H", 251, 275}, {"J", 277, 302}, {"K", 304, 329}, {"L", 331, 356}});
  row(364, 391, {{"Z", 144, 170}, {"X", 172, 196}, {"C", 198, 223}, {"V", 225, 250}, {"B", 252, 277},
                 {"N", 279, 304}, {"M", 306, 330}});
  keys.push_back({"SPACE", 159, 315, 398, 422});
  keys.push_back({"CLR", 361, 417, 327, 355});
  keys.push_back({"OK", 361, 417, 357, 386});
  return keys;
}

bool inAnyKey(const std::vector<Box>& keys, const int x, const int y) {
  for (const Box& key : keys) {
    if (key.contains(x, y)) return true;
  }
  return false;
}

constexpr int keyboardLeft = 100;
constexpr int keyboardTop = 300;

// Keys are lit faces on a dark navy body: a face pixel is clearly brighter than the body,
// or strongly coloured (the red CLR and green OK keys).
bool looksLikeKeyFace(const Colour c) {
  const int spread = std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue});
  return brightness(c) > 150 || spread > 90;
}

bool looksLikeKeyboardBody(const Colour c) { return brightness(c) < 110; }

TEST(KeyboardPicture, EveryKeyFaceCoversExactlyItsRanges) {
  const Decoded picture = decode("assets/pictures/TForm2/Image41.jpg");
  ASSERT_EQ(picture.width, 319);
  ASSERT_EQ(picture.height, 125);
  const std::vector<Box> keys = keyboardKeys();
  const auto local = [&picture](const int x, const int y) {
    return picture.at(x - keyboardLeft, y - keyboardTop);
  };
  for (const Box& key : keys) {
    SCOPED_TRACE(key.name);
    // One pixel inside each edge, halfway along it: still the key's face.
    EXPECT_TRUE(looksLikeKeyFace(local(key.left, key.middleY() - 3)));
    EXPECT_TRUE(looksLikeKeyFace(local(key.right, key.middleY() - 3)));
    EXPECT_TRUE(looksLikeKeyFace(local(key.left + 2, key.top)));
    EXPECT_TRUE(looksLikeKeyFace(local(key.middleX(), key.top + 1)));
    // One pixel outside each edge, unless another key's range is there: the keyboard body.
    const struct {
      int x;
      int y;
    } outside[] = {{key.left - 1, key.middleY() - 3},
                   {key.right + 1, key.middleY() - 3},
                   {key.middleX(), key.top - 1},
                   {key.middleX(), key.bottom + 1}};
    for (const auto& probe : outside) {
      if (inAnyKey(keys, probe.x, probe.y)) continue;
      EXPECT_TRUE(looksLikeKeyboardBody(local(probe.x, probe.y))) << "at " << probe.x << ", " << probe.y;
    }
  }
}

// The menu's orange buttons, dark-orange rimmed, on the pale paper of the title artwork.
bool looksLikeOrangeButton(const Colour c) { return brightness(c) < 200 && c.red > c.blue + 40; }

bool looksLikePaper(const Colour c) { return brightness(c) > 225; }

TEST(TitleMenuPicture, ButtonsLieExactlyOnTheirPressAreas) {
  const Decoded picture = decode("assets/pictures/TForm1/Image4.jpg");
  ASSERT_EQ(picture.width, 800);
  ASSERT_EQ(picture.height, 600);
  const Box buttons[] = {{"New Game", 406, 685, 162, 230}, {"Continue Game", 406, 685, 251, 317}};
  for (const Box& button : buttons) {
    SCOPED_TRACE(button.name);
    const int y = button.middleY();
    const int x = button.left + 40;
    // The button's own edge pixels and the face just inside them.
    for (const int edgeX : {button.left, button.left + 3, button.right - 3, button.right}) {
      EXPECT_TRUE(looksLikeOrangeButton(picture.at(edgeX, y))) << "x " << edgeX;
    }
    for (const int edgeY : {button.top, button.top + 8, button.bottom - 3, button.bottom}) {
      EXPECT_TRUE(looksLikeOrangeButton(picture.at(x, edgeY))) << "y " << edgeY;
    }
    // Two pixels beyond each edge: the paper around the button.
    EXPECT_TRUE(looksLikePaper(picture.at(button.left - 2, y)));
    EXPECT_TRUE(looksLikePaper(picture.at(button.right + 2, y)));
    EXPECT_TRUE(looksLikePaper(picture.at(x, button.top - 2)));
    EXPECT_TRUE(looksLikePaper(picture.at(x, button.bottom + 2)));
  }
}

}  // namespace
