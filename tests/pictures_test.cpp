#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "core/picture_store.h"
#include "gfx/picture.h"

namespace {

struct Entry {
  std::string form, image;
  int width = 0, height = 0;
};

std::vector<Entry> Manifest() {
  std::ifstream in(std::string(SPLATVANE_SOURCE_DIR) + "/assets/pictures/manifest.tsv");
  std::vector<Entry> entries;
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::istringstream fields(line);
    Entry entry;
    std::getline(fields, entry.form, '\t');
    std::getline(fields, entry.image, '\t');
    fields >> entry.width >> entry.height;
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace

TEST(Pictures, EveryListedPictureIsInTheGameFolderAtExactlyItsSize) {
  const auto entries = Manifest();
  ASSERT_GT(entries.size(), 300u);
  std::set<std::string> seen;
  for (const Entry& entry : entries) {
    const std::string name = entry.form + "/" + entry.image;
    EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
    const auto picture = gfx::Picture::FromJpegFile(std::string(SPLATVANE_GAME_DIR) + "/pictures/" + name + ".jpg");
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->Width(), entry.width) << name;
    EXPECT_EQ(picture->Height(), entry.height) << name;
  }
}

TEST(Pictures, TheStoreLoadsThemAllAndNamesAFileThatIsMissing) {
  core::PictureStore store;
  EXPECT_EQ(store.LoadAll(std::string(SPLATVANE_GAME_DIR) + "/pictures"), "");
  EXPECT_EQ(store.Count(), Manifest().size());
  EXPECT_NE(store.Get(1, 1), nullptr);
  EXPECT_EQ(store.Get(1, 99), nullptr);
  core::PictureStore empty;
  EXPECT_NE(empty.LoadAll("/nonexistent").find("/nonexistent/manifest.tsv"), std::string::npos);
}

TEST(Pictures, DamagedBytesAreNoPicture) {
  auto bytes = gfx::ReadFileBytes(std::string(SPLATVANE_GAME_DIR) + "/pictures/TForm1/Image1.jpg");
  ASSERT_TRUE(bytes);
  EXPECT_TRUE(gfx::Picture::FromJpeg(*bytes));
  bytes->resize(bytes->size() / 3);
  gfx::Picture::FromJpeg(*bytes);  // a cut file may decode partly, but must not crash
  std::vector<std::uint8_t> junk(5000, 0xD8);
  EXPECT_FALSE(gfx::Picture::FromJpeg(junk));
  EXPECT_FALSE(gfx::Picture::FromJpeg({}));
}

TEST(Pictures, NoPlaceholderIsLeft) {
  const std::string marker = "splatvane-placeholder";
  for (const Entry& entry : Manifest()) {
    const std::string name = entry.form + "/" + entry.image;
    const auto bytes = gfx::ReadFileBytes(std::string(SPLATVANE_SOURCE_DIR) + "/assets/pictures/" + name + ".jpg");
    ASSERT_TRUE(bytes) << name;
    const std::string text(bytes->begin(), bytes->end());
    EXPECT_EQ(text.find(marker), std::string::npos) << name << " is still a placeholder";
  }
}
