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

  // Reads at most max_bytes from the start of the file.
  virtual int Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) = 0;
  // Creates the file empty, or truncates it, ready for writing.
  virtual int Create(const std::string& name) = 0;
  virtual int Write(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
  // Flushes the file to the disk and closes it.
  virtual int Close(const std::string& name) = 0;
  // Puts the file in the place of another, replacing it in one step.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& name) = 0;
};

}  // namespace career
