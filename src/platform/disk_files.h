#pragma once
#include <cstdio>
#include <map>
#include <string>

#include "career/files.h"

namespace platform {

// The game's working folder on disk.
class DiskFiles : public career::Files {
 public:
  ~DiskFiles() override;
  int Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) override;
  int Create(const std::string& name) override;
  int Write(const std::string& name, std::span<const std::uint8_t> bytes) override;
  int Close(const std::string& name) override;
  int Rename(const std::string& from, const std::string& to) override;
  void Remove(const std::string& name) override;

 private:
  std::map<std::string, std::FILE*> open_;
};

// System errors with no meaning of their own in the game's table are shown as
// "I/O error" with this added to their number, so none reads as one of the table's texts.
inline constexpr int kSystemErrorBase = 1000;

// The game's error code for an operating-system error number.
int GameErrorCode(int os_error);

}  // namespace platform
