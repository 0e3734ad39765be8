// Saves on the real disk that fail every way a disk can fail: the career file afterwards is
// always the previous career or the new one, whole, and the game reports the fault and goes on.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <random>
#include <set>
#include <thread>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/title_screen.h"
#include "career/io_error.h"
#include "career/save_file.h"
#include "platform/disk_files.h"
#include "support/fake_host.h"
#include "team/team_page.h"
#include "tour/travel_screen.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaveFile = "datarecord.dat";
constexpr const char* kTemporaryFile = "datarecord.dat.new";

// A career whose every byte is its generation, so a file mixed of two saves shows itself.
career::CareerRecord Generation(std::uint8_t generation) {
  career::CareerRecord record;
  std::memset(static_cast<void*>(&record), generation, sizeof record);
  return record;
}

std::vector<std::uint8_t> FileBytes(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The generation the career file holds whole, or -1 for a missing, short or mixed file.
int GenerationOnDisk() {
  const std::vector<std::uint8_t> bytes = FileBytes(kSaveFile);
  if (bytes.size() != career::kCareerRecordSize) return -1;
  for (const std::uint8_t byte : bytes) if (byte != bytes[0]) return -1;
  return bytes[0];
}

// Every test works in a fresh folder of its own, the game's working folder.
class SaveFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/splatvane-save-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::permissions(folder_, fs::perms::owner_all);
    fs::remove_all(folder_);
  }

  platform::DiskFiles disk;
  fs::path folder_;

 private:
  fs::path previous_ = fs::current_path();
};

// Runs a step in a child process, so that limits and a changed user stay there; returns what
// the step wrote.
std::string InChild(const std::function<std::string()>& step) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return "no pipe";
  const pid_t child = fork();
  if (child < 0) {
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    return "no child process";
  }
  if (child == 0) {
    close(pipe_ends[0]);
    const std::string said = step();
    if (write(pipe_ends[1], said.data(), said.size()) < 0) _exit(1);
    _exit(0);
  }
  close(pipe_ends[1]);
  std::string said;
  char chunk[256];
  for (ssize_t got; (got = read(pipe_ends[0], chunk, sizeof chunk)) > 0;) said.append(chunk, static_cast<std::size_t>(got));
  close(pipe_ends[0]);
  waitpid(child, nullptr, 0);
  return said;
}

// The folder's permission bits bind everyone but root, so as root the save runs as nobody.
bool BecomeOneWhomPermissionsBind() {
  if (geteuid() != 0) return true;
  return setgid(65534) == 0 && setuid(65534) == 0 && geteuid() != 0;
}

}  // namespace

TEST(DiskFiles, EverySystemErrorReadsAsItsMeaningOrAsAnIoErrorOfItsOwn) {
  const std::pair<int, const char*> known[] = {
      {ENOENT, "File not found"}, {ENOTDIR, "Invalid filename"}, {ENAMETOOLONG, "Invalid filename"},
      {EMFILE, "Too many open files"}, {ENFILE, "Too many open files"}, {EACCES, "File access denied"},
      {EROFS, "File access denied"}, {EISDIR, "File access denied"}, {ENOSPC, "Disk full"}, {EFBIG, "Disk full"},
      {EIO, "I/O error 1005"}, {EINTR, "I/O error 1004"}, {ESRCH, "I/O error 1003"}, {ENOMEM, "I/O error 1012"}};
  for (const auto& [error, text] : known) EXPECT_EQ(career::IoErrorText(platform::GameErrorCode(error)), text) << error;
  const int table[] = {2, 3, 4, 5, 100, 101, 106};
  for (int error = 1; error < 200; ++error) {
    const int code = platform::GameErrorCode(error);
    const bool in_table = std::find(std::begin(table), std::end(table), code) != std::end(table);
    if (!in_table) {
      EXPECT_EQ(code, platform::kSystemErrorBase + error) << error;
    }
  }
}

TEST_F(SaveFaults, EachFaultIsReportedOverTheTravelScreenAndLeavesThePreviousCareer) {
  struct Fault {
    const char* name;
    std::function<bool()> apply;  // in the child; false when it cannot be made here
    const char* text;
    const char* folder_in_the_way = nullptr;  // must still be there afterwards
  };
  const Fault faults[] = {
      {"read-only folder", [&] { fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec |
                                                            fs::perms::others_read | fs::perms::others_exec);
                                 return BecomeOneWhomPermissionsBind(); }, "File access denied."},
      {"disk full", [] { std::signal(SIGXFSZ, SIG_IGN);
                         const rlimit limit{1000, 1000};
                         return setrlimit(RLIMIT_FSIZE, &limit) == 0; }, "Disk full."},
      {"folder in the way of the career file", [] { return fs::remove(kSaveFile) && fs::create_directory(kSaveFile); },
       "File access denied.", kSaveFile},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    career::SaveCareer(Generation(7), disk);
    testing_support::Game game;
    game.host.other_folder = &disk;
    game.ShowOnly(game.program.Form4());
    game.program.Career = Generation(0);
    game.program.Career.MatchPending = 0;
    game.Tick();
    const std::string seen = InChild([&]() -> std::string {
      if (!fault.apply()) return "cannot";
      game.Press(770, 25);  // Next Match
      game.Tick();
      std::string said = game.program.Form10().Visible() ? "travel" : "no travel";
      for (std::size_t i = 0; i < game.host.errors.size(); ++i) said += "|" + game.host.error_captions[i] + ": " + game.host.errors[i];
      return said;
    });
    fs::permissions(folder_, fs::perms::owner_all);
    if (seen == "cannot") {
      std::printf("Skipped \"%s\": this machine cannot make that fault (as root it needs to become the user nobody, 65534)\n",
                  fault.name);
      continue;
    }
    EXPECT_EQ(seen, std::string("travel|Form10: ") + fault.text);
    if (fault.folder_in_the_way) {
      EXPECT_TRUE(fs::is_directory(fault.folder_in_the_way));
      fs::remove(fault.folder_in_the_way);
    }
    if (fault.folder_in_the_way != kSaveFile) {
      EXPECT_EQ(GenerationOnDisk(), 7);
    }
    EXPECT_FALSE(fs::exists(kTemporaryFile));
  }
}

// A save killed at any moment leaves the previous career or the new one, never a mix.
TEST_F(SaveFaults, ASaveKilledAtAnyMomentLeavesOneWholeCareer) {
  // Kills fall anywhere in the first save and a half of each child, however long a save takes here.
  const auto started = std::chrono::steady_clock::now();
  career::SaveCareer(Generation(1), disk);
  const auto one_save = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
  std::mt19937 random(2026);
  std::set<int> seen;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  int kills = 0;
  for (; kills < 300 && std::chrono::steady_clock::now() < deadline; ++kills) {
    const auto generation = static_cast<std::uint8_t>(kills % 200 + 2);
    int started_saving[2];
    ASSERT_EQ(pipe(started_saving), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0) << "no child process";
    if (child == 0) {
      alarm(5);
      if (write(started_saving[1], "s", 1) != 1) _exit(1);
      for (;;) {
        try {
          career::SaveCareer(Generation(generation), disk);
        } catch (const career::IoError&) {
        }
      }
    }
    char started;
    const bool saving = read(started_saving[0], &started, 1) == 1;
    close(started_saving[0]);
    close(started_saving[1]);
    ASSERT_TRUE(saving);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (one_save.count() * 3 / 2 + 1)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const int on_disk = GenerationOnDisk();
    ASSERT_NE(on_disk, -1) << "after kill " << kills;
    seen.insert(on_disk);
  }
  EXPECT_GT(seen.size(), 2u) << "no kill fell after a save";
  const career::CareerRecord last = Generation(20);  // 20: a name length that loads unchanged
  career::SaveCareer(last, disk);
  career::CareerRecord loaded;
  career::LoadCareer(loaded, disk);
  EXPECT_EQ(std::memcmp(&loaded, &last, sizeof loaded), 0);
  std::printf("%d saves killed (a save takes %lld us here), %zu careers seen whole\n", kills,
              static_cast<long long>(one_save.count()), seen.size());
}

namespace {

// What a save in a child process said: "saved" or its error; nothing when it hung.
std::string SaveInChild(std::uint8_t generation, platform::DiskFiles& disk) {
  return InChild([&]() -> std::string {
    alarm(5);
    try {
      career::SaveCareer(Generation(generation), disk);
      return "saved";
    } catch (const career::IoError& error) {
      return error.what();
    }
  });
}

std::string TextOf(const char* name) {
  const std::vector<std::uint8_t> bytes = FileBytes(name);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

// Whatever an earlier save, a crash or another hand left under the temporary name, the save
// goes to the career and nowhere else, and at once.
TEST_F(SaveFaults, NothingLeftUnderTheTemporaryNameTakesTheSaveOrHoldsItUp) {
  const struct {
    const char* name;
    std::function<void()> leave;
    bool players = false;  // a folder is the player's and stays
  } leftovers[] = {
      {"a link to another file", [] { std::ofstream("victim.txt") << "not the game's";
                                      fs::create_symlink("victim.txt", kTemporaryFile); }},
      {"a link to nothing", [] { fs::create_symlink("nowhere/victim.txt", kTemporaryFile); }},
      {"a named pipe", [] { ASSERT_EQ(mkfifo(kTemporaryFile, 0644), 0); }},
      {"a file", [] { std::ofstream(kTemporaryFile) << "half a save"; }},
      {"a folder", [] { fs::create_directory(kTemporaryFile); }, true},
  };
  for (const auto& leftover : leftovers) {
    SCOPED_TRACE(leftover.name);
    career::SaveCareer(Generation(7), disk);
    leftover.leave();
    EXPECT_EQ(SaveInChild(8, disk), "saved");
    EXPECT_EQ(GenerationOnDisk(), 8);
    EXPECT_FALSE(fs::is_symlink(kSaveFile));
    EXPECT_FALSE(fs::exists("nowhere"));
    EXPECT_EQ(fs::is_directory(kTemporaryFile), leftover.players);
    if (fs::exists("victim.txt")) {
      EXPECT_EQ(TextOf("victim.txt"), "not the game's");
    }
    fs::remove("victim.txt");
    fs::remove(kTemporaryFile);
    for (const auto& entry : fs::directory_iterator(".")) {
      EXPECT_TRUE(entry.path().filename() == kSaveFile) << entry.path() << " was left behind";
    }
  }
}

// A career linked into a folder elsewhere (a synced one, on another file system here) is saved
// there through its links, which stay; a save that cannot know where it lands writes nothing.
TEST_F(SaveFaults, ALinkedCareerIsSavedThroughItsLinksWhereItLies) {
  const fs::path elsewhere_root = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : folder_;
  const fs::path elsewhere = elsewhere_root / ("splatvane-synced-" + std::to_string(getpid()));
  fs::create_directories(elsewhere / "deep");
  const fs::path career_there = elsewhere / "deep" / "career.dat";
  fs::create_symlink("deep/career.dat", elsewhere / "link.dat");  // relative, from its own folder
  fs::create_symlink(elsewhere / "link.dat", kSaveFile);

  EXPECT_EQ(SaveInChild(7, disk), "saved") << "a link to a career not made yet makes it";
  EXPECT_EQ(SaveInChild(8, disk), "saved");
  EXPECT_TRUE(fs::is_symlink(kSaveFile));
  EXPECT_EQ(GenerationOnDisk(), 8);
  EXPECT_EQ(FileBytes(career_there.c_str()), FileBytes(kSaveFile));
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere / "deep"), {}), 1) << "only the career is left there";

  fs::remove(kSaveFile);
  fs::create_symlink("loop.dat", kSaveFile);
  fs::create_symlink(kSaveFile, "loop.dat");
  EXPECT_EQ(SaveInChild(9, disk), "Invalid filename");
  EXPECT_EQ(FileBytes(career_there.c_str()).front(), 8);
  fs::remove_all(elsewhere);
}

// Loading never waits on a named pipe, nor reads a folder or a device as a career.
TEST_F(SaveFaults, ACareerThatIsNoPlainFileIsRefusedAtOnce) {
  const struct {
    const char* name;
    std::function<void()> make;
  } careers[] = {
      {"a named pipe", [] { ASSERT_EQ(mkfifo(kSaveFile, 0644), 0); }},
      {"a folder", [] { fs::create_directory(kSaveFile); }},
      {"a device", [] { fs::create_symlink("/dev/zero", kSaveFile); }},
  };
  for (const auto& career_file : careers) {
    SCOPED_TRACE(career_file.name);
    career_file.make();
    const std::string said = InChild([&]() -> std::string {
      alarm(5);
      career::CareerRecord record;
      try {
        career::LoadCareer(record, disk);
        return "loaded";
      } catch (const career::IoError& error) {
        return error.what();
      }
    });
    EXPECT_EQ(said, "File access denied");
    fs::remove(kSaveFile);
  }
}

// A career the game could not read may be whole: the next save keeps it aside, with the name
// it is kept under on the standard error, and the player's fresh career is saved.
TEST_F(SaveFaults, ACareerThatCouldNotBeReadIsKeptAsideBeforeTheNextSave) {
  const struct {
    const char* name;
    std::function<bool()> make;  // in the child; false when it cannot be made here
    const char* error;
  } careers[] = {
      {"not readable", [&] { fs::permissions(kSaveFile, fs::perms::none);
                             fs::permissions(folder_, fs::perms::all);
                             return BecomeOneWhomPermissionsBind(); }, "File access denied."},
      {"a named pipe", [] { return fs::remove(kSaveFile) && mkfifo(kSaveFile, 0644) == 0; }, "File access denied."},
  };
  for (const auto& career_file : careers) {
    SCOPED_TRACE(career_file.name);
    career::SaveCareer(Generation(7), disk);
    const std::vector<std::uint8_t> before = FileBytes(kSaveFile);
    const std::string seen = InChild([&]() -> std::string {
      alarm(5);
      if (!career_file.make()) return "cannot";
      testing_support::Game game;
      game.host.other_folder = &disk;
      game.program.Form1().TitleChoice = 2;  // Continue Game
      game.Tick();
      game.program.SaveCareer();
      std::string said = game.program.CareerFileState().KeptAs();
      for (const std::string& error : game.host.errors) said += "|" + error;
      return said;
    });
    fs::permissions(folder_, fs::perms::owner_all);
    if (seen == "cannot") continue;
    EXPECT_EQ(seen, std::string("datarecord.dat.unreadable|") + career_file.error);
    const char* kept = "datarecord.dat.unreadable";
    if (fs::is_regular_file(kept)) {
      fs::permissions(kept, fs::perms::owner_read);
      EXPECT_EQ(FileBytes(kept), before);
    }
    EXPECT_EQ(FileBytes(kSaveFile).size(), career::kCareerRecordSize) << "the fresh career";
    fs::remove(kept);
  }
}
