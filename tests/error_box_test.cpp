#include <gtest/gtest.h>

#include "platform/error_box.h"

namespace {

// The box of an 800 x 600 window and a point on its OK button.
struct Shown {
  gfx::Point box;
  gfx::Point ok;
};

Shown Place(const platform::ErrorBox& errors) {
  const gfx::Point box = errors.PlaceIn(800, 600);
  const gfx::Picture& image = errors.Image();
  return {box, {box.x + image.Width() / 2, box.y + image.Height() - 20}};
}

}  // namespace

TEST(ErrorBox, OnlyAPressAndAReleaseOnOkCloseItAndTheNextErrorWaitsItsTurn) {
  gfx::FontLibrary fonts;
  ASSERT_EQ(fonts.LoadFrom(std::string(SPLATVANE_GAME_DIR) + "/fonts"), "");
  platform::ErrorBox errors(fonts);
  errors.Open("Splatvane", "File not found.");
  errors.Open("Splatvane", "A much longer error text than the first one, to widen the box.");
  const int first_width = errors.Image().Width();
  const Shown shown = Place(errors);
  EXPECT_EQ(shown.box.x, (800 - first_width) / 2);

  errors.MouseDown(shown.ok, shown.box);
  errors.MouseUp({shown.ok.x, shown.box.y + 5}, shown.box);  // released on the title bar
  errors.MouseDown({shown.ok.x, shown.box.y + 5}, shown.box);
  errors.MouseUp(shown.ok, shown.box);  // pressed elsewhere
  ASSERT_EQ(errors.Image().Width(), first_width);
  errors.MouseDown(shown.ok, shown.box);
  errors.MouseUp(shown.ok, shown.box);
  ASSERT_TRUE(errors.IsOpen());
  EXPECT_GT(errors.Image().Width(), first_width);
  errors.Dismiss();
  EXPECT_FALSE(errors.IsOpen());
}

TEST(ErrorBox, ShowsTitleBarIconAndText) {
  gfx::FontLibrary fonts;
  ASSERT_EQ(fonts.LoadFrom(std::string(SPLATVANE_GAME_DIR) + "/fonts"), "");
  platform::ErrorBox errors(fonts);
  errors.Open("Splatvane", "Disk full.");
  const gfx::Picture& image = errors.Image();
  EXPECT_EQ(image.ColorAt(image.Width() - 10, 10), (gfx::Color{0, 0, 128}));
  EXPECT_EQ(image.ColorAt(20, 50), (gfx::Color{200, 0, 0}));
  int dark = 0;
  for (int x = 60; x < 120; ++x) {
    for (int y = 44; y < 60; ++y) dark += image.ColorAt(x, y).r < 96;
  }
  EXPECT_GT(dark, 20) << "no text drawn";
}
