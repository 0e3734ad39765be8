#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace career {

// The files of the game's working folder, opened by bare name. Every call answers with the
// operating system's error code, 0 for success. The platform supplies the real folder;
// tests supply one in memory that can be made to fail at any step.
class Files {
 public:
  virtual ~Files() = default;

  // Reads at most max_bytes from the start of the file. Anything but a plain file (a folder,
  // a named pipe, a device) is refused at once, never waited on.
  virtual int Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) = 0;
  // Where a save under this name lands: the file that its links finally stand for, which may
  // not exist yet; the name itself when it is no link.
  virtual int Resolve(const std::string& name, std::string& target) = 0;
  // Creates a new, empty file of the game's own beside the target, ready for writing, and
  // tells its name. It never opens what was there before: a file, link or pipe left from an
  // earlier save is removed first, and a folder in the way makes it take another name.
  virtual int CreateBeside(const std::string& target, std::string& created) = 0;
  virtual int Write(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
  // Flushes the file to the disk and closes it.
  virtual int Close(const std::string& name) = 0;
  // Puts the file in the place of another, replacing it in one step.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& name) = 0;
  // Moves a file that could not be read out of the way, replacing nothing: to
  // NAME.unreadable, or NAME.unreadable.2 and so on when that is taken; tells where it went.
  virtual int KeepUnreadable(const std::string& name, std::string& kept) = 0;
};

// NAME, then NAME.2, NAME.3 and so on: the names tried in turn for a file that must take
// the place of none.
inline std::string NumberedName(std::string name, int attempt) {
  if (attempt > 1) name.append(".").append(std::to_string(attempt));
  return name;
}

// Where a file that could not be read is kept: the first of these names that is free.
inline std::string UnreadableName(const std::string& name, int attempt) {
  return NumberedName(name + ".unreadable", attempt);
}

}  // namespace career
