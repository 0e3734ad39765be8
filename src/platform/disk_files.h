#pragma once
#include <map>
#include <string>

#include "career/files.h"

namespace platform {

// The game's working folder on disk. A file being saved is always one the game created
// itself, exclusively and without following a link, so nothing left under its name (a link
// to another file, a named pipe) can turn a save into a write elsewhere or a wait.
class DiskFiles : public career::Files {
 public:
  DiskFiles() = default;
  ~DiskFiles() override;
  DiskFiles(const DiskFiles&) = delete;
  DiskFiles& operator=(const DiskFiles&) = delete;

  int Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) override;
  int Resolve(const std::string& name, std::string& target) override;
  int CreateBeside(const std::string& target, std::string& created) override;
  int Write(const std::string& name, std::span<const std::uint8_t> bytes) override;
  int Close(const std::string& name) override;
  int Rename(const std::string& from, const std::string& to) override;
  void Remove(const std::string& name) override;
  // Also says on the standard error where the file went.
  int KeepUnreadable(const std::string& name, std::string& kept) override;

 private:
  std::map<std::string, int> open_;
};

// System errors with no meaning of their own in the game's table are shown as
// "I/O error" with this added to their number, so none reads as one of the table's texts.
inline constexpr int kSystemErrorBase = 1000;

// The game's error code for an operating-system error number.
int GameErrorCode(int os_error);

}  // namespace platform
