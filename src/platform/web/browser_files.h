#pragma once
#include <map>
#include <string>
#include <vector>

#include "career/files.h"
#include "platform/disk_files.h"

namespace platform {

// The working folder in a browser: what the game writes (the career) is kept in the site's
// storage, which has it for good as soon as a write returns; what it only reads (the sounds
// and help texts the page fetched) lies in the module's own folder.
class BrowserFiles : public career::Files {
 public:
  int Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) override;
  int Resolve(const std::string& name, std::string& target) override;
  int CreateBeside(const std::string& target, std::string& created) override;
  int Write(const std::string& name, std::span<const std::uint8_t> bytes) override;
  // The whole file goes to the storage in one step here.
  int Close(const std::string& name) override;
  int Rename(const std::string& from, const std::string& to) override;
  void Remove(const std::string& name) override;
  // A copy under NAME.unreadable, told on the page beside the canvas.
  int KeepUnreadable(const std::string& name, std::string& kept) override;

 private:
  static constexpr int kMostKeptNames = 99;
  static constexpr int kNameTaken = -1;

  std::map<std::string, std::vector<std::uint8_t>> being_written_;
  DiskFiles game_folder_;
};

}  // namespace platform
