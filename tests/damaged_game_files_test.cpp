// The game's own pictures and fonts, cut short, overwritten in the middle or not plain files
// at all: each is named in the same error as a missing one, at the start or when a screen
// first needs it, and never draws as a blank.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sys/stat.h>

#include "gfx/fonts.h"
#include "gfx/picture.h"
#include "support/fake_host.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGameFolder = SPLATVANE_GAME_DIR;
constexpr const char* kTitlePicture = "pictures/TForm1/Image1.jpg";
constexpr const char* kRegularFont = "fonts/LiberationSans-Regular.ttf";

std::vector<std::uint8_t> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> CutToHalf(std::vector<std::uint8_t> bytes) {
  bytes.resize(bytes.size() / 2);
  return bytes;
}

// 3000 bytes in the middle overwritten with noise, always the same.
std::vector<std::uint8_t> OverwriteMiddle(std::vector<std::uint8_t> bytes) {
  std::mt19937 noise(25);
  for (std::size_t i = bytes.size() / 2 - 1500; i < bytes.size() / 2 + 1500; ++i) bytes[i] = static_cast<std::uint8_t>(noise());
  return bytes;
}

// A copy of the game's pictures and fonts, one file of them replaced by a fault.
class DamagedFolder {
 public:
  DamagedFolder(const std::string& damaged, const std::function<void(const fs::path&)>& make) {
    folder_ = fs::temp_directory_path() / ("splatvane-damaged-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
    for (const char* part : {"pictures", "fonts"}) fs::copy(kGameFolder / part, folder_ / part, fs::copy_options::recursive);
    fs::remove(folder_ / damaged);
    make(folder_ / damaged);
  }
  ~DamagedFolder() { fs::remove_all(folder_); }
  std::string Path() const { return folder_.string(); }

 private:
  fs::path folder_;
};

struct Started {
  std::string failed;
  std::vector<std::string> errors;  // shown in the first second of play
};

Started StartAndPlayASecond(const std::string& program_folder) {
  testing_support::FakeHost host;
  host.program_folder = program_folder;
  app::Program program(host);
  Started started{program.Start(), {}};
  if (!started.failed.empty()) return started;
  for (int ms = 10; ms <= 1000; ms += 10) program.Advance(host.now += 10);
  started.errors = host.errors;
  return started;
}

}  // namespace

TEST(DamagedGameFiles, AreNamedInTheErrorOfAMissingOneAtTheStartOrWhenFirstDrawn) {
  const std::vector<std::uint8_t> picture = Bytes(kGameFolder / kTitlePicture);
  const std::vector<std::uint8_t> font = Bytes(kGameFolder / kRegularFont);
  const auto write = [](std::vector<std::uint8_t> bytes) {
    return [bytes](const fs::path& path) { WriteBytes(path, bytes); };
  };
  const auto pipe = [](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); };
  const struct {
    const char* fault;
    std::string file;
    std::function<void(const fs::path&)> make;
    std::string start_error;  // or else the one error of the first second, with its full stop
  } faults[] = {
      {"picture missing", kTitlePicture, [](const fs::path&) {}, "Cannot load the picture "},
      {"picture cut to half", kTitlePicture, write(CutToHalf(picture)), "Cannot load the picture "},
      {"picture overwritten in the middle", kTitlePicture, write(OverwriteMiddle(picture)), ""},
      {"picture a named pipe", kTitlePicture, pipe, "Cannot load the picture "},
      {"font missing", kRegularFont, [](const fs::path&) {}, "Cannot load the font "},
      {"font cut to half", kRegularFont, write(CutToHalf(font)), "Cannot load the font "},
      {"font overwritten in the middle", kRegularFont, write(OverwriteMiddle(font)), "Cannot load the font "},
      {"font a named pipe", kRegularFont, pipe, "Cannot load the font "},
  };
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.fault);
    const DamagedFolder folder(fault.file, fault.make);
    const std::string named = folder.Path() + "/" + fault.file;
    const Started started = StartAndPlayASecond(folder.Path());
    if (!fault.start_error.empty()) {
      EXPECT_EQ(started.failed, fault.start_error + named);
    } else {
      EXPECT_EQ(started.failed, "");
      EXPECT_EQ(started.errors, std::vector<std::string>{"Cannot load the picture " + named + "."}) << "told once";
    }
  }
}

TEST(DamagedGameFiles, TheGamesOwnFontsAreWholeAndOneBitOffIsNot) {
  for (const char* font : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
    EXPECT_TRUE(gfx::FontTablesWhole(Bytes(kGameFolder / "fonts" / font))) << font;
  }
  std::vector<std::uint8_t> damaged = Bytes(kGameFolder / kRegularFont);
  damaged[damaged.size() - 1] ^= 1;  // one bit of the last table
  EXPECT_FALSE(gfx::FontTablesWhole(damaged));
  EXPECT_FALSE(gfx::FontTablesWhole(std::vector<std::uint8_t>(11, 0)));
}
