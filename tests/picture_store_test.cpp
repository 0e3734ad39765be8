#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/picture_store.h"
#include "gfx/picture.h"

namespace {

std::vector<std::uint8_t> GameJpeg(const std::string& name) {
  auto bytes = gfx::ReadFileBytes(std::string(SPLATVANE_GAME_DIR) + "/pictures/" + name + ".jpg");
  if (!bytes) throw std::runtime_error("missing " + name);
  return *bytes;
}

constexpr std::size_t kFullPicture = 800 * 600 * 4;

}  // namespace

TEST(PictureStore, DecodesOnFirstDrawAndLetsTheLongestUnusedGoBetweenTicks) {
  core::PictureStore store(kFullPicture + 1000);
  store.AddJpeg(1, 1, GameJpeg("TForm1/Image1"));
  store.AddJpeg(1, 2, GameJpeg("TForm1/Image2"));
  store.Add(9, 9, gfx::Picture(10, 10, gfx::colors::Red));
  EXPECT_EQ(store.DecodedBytes(), 400u);

  const gfx::Picture* title = store.Get(1, 1);
  const gfx::Picture* credits = store.Get(1, 2);
  ASSERT_TRUE(title && credits);
  const std::vector<std::uint32_t> title_pixels = title->Pixels();
  EXPECT_EQ(title_pixels, gfx::Picture::FromJpeg(GameJpeg("TForm1/Image1"))->Pixels());
  EXPECT_EQ(store.DecodedBytes(), 2 * kFullPicture + 400);

  store.Trim();
  EXPECT_EQ(store.DecodedBytes(), kFullPicture + 400);
  EXPECT_EQ(store.Get(1, 2), credits) << "the one drawn last stays decoded";
  EXPECT_EQ(store.Get(1, 1)->Pixels(), title_pixels) << "the one let go decodes again the same";

  core::PictureStore no_room(0);
  no_room.Add(9, 9, gfx::Picture(10, 10));
  no_room.Trim();
  EXPECT_NE(no_room.Get(9, 9), nullptr) << "a picture given decoded has no file to come back from";
}

TEST(PictureStore, StartUpNamesAPictureThatIsNoJpegOrOfTheWrongSize) {
  const struct {
    std::string listed_size;
    std::vector<std::uint8_t> file;
    std::string error;
  } cases[] = {
      {"800\t600", GameJpeg("TForm1/Image1"), ""},
      {"10\t10", GameJpeg("TForm1/Image1"), "is 800 x 600 instead of 10 x 10"},
      {"800\t600", std::vector<std::uint8_t>(5000, 0xD8), "Cannot load the picture"},
  };
  const auto folder = std::filesystem::temp_directory_path() / ("splatvane-pictures-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "TForm1");
  for (const auto& one : cases) {
    std::ofstream(folder / "manifest.tsv") << "form\timage\twidth\theight\twhat\nTForm1\tImage1\t" << one.listed_size << "\ttitle\n";
    std::ofstream(folder / "TForm1" / "Image1.jpg", std::ios::binary)
        .write(reinterpret_cast<const char*>(one.file.data()), static_cast<std::streamsize>(one.file.size()));
    core::PictureStore store;
    const std::string error = store.LoadAll(folder.string());
    if (one.error.empty()) {
      EXPECT_EQ(error, "");
    } else {
      EXPECT_NE(error.find(one.error), std::string::npos) << error;
    }
  }
  std::filesystem::remove_all(folder);
}
