#include "platform/web/browser_files.h"

#include "career/io_error.h"
#include "platform/web/web_page.h"

namespace platform {

int BrowserFiles::Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) {
  const int length = web_storage_length(name.c_str());
  if (length == -career::io_codes::kFileNotFound) return game_folder_.Read(name, max_bytes, bytes);
  if (length < 0) return -length;
  bytes.assign(std::min<std::size_t>(static_cast<std::size_t>(length), max_bytes), 0);
  const int read = web_storage_read(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
  if (read < 0) return -read;
  bytes.resize(static_cast<std::size_t>(read));
  return 0;
}

// The storage has no links: a name stands for itself.
int BrowserFiles::Resolve(const std::string& name, std::string& target) {
  target = name;
  return 0;
}

int BrowserFiles::CreateBeside(const std::string& target, std::string& created) {
  if (const int refused = web_storage_usable()) return refused;
  created = target + ".new";
  being_written_[created].clear();
  return 0;
}

int BrowserFiles::Write(const std::string& name, std::span<const std::uint8_t> bytes) {
  const auto found = being_written_.find(name);
  if (found == being_written_.end()) return career::io_codes::kAccessDenied;
  found->second.insert(found->second.end(), bytes.begin(), bytes.end());
  return 0;
}

int BrowserFiles::Close(const std::string& name) {
  const auto found = being_written_.find(name);
  if (found == being_written_.end()) return 0;
  const std::vector<std::uint8_t> bytes = std::move(found->second);
  being_written_.erase(found);
  return web_storage_write(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}

int BrowserFiles::Rename(const std::string& from, const std::string& to) {
  return web_storage_rename(from.c_str(), to.c_str());
}

void BrowserFiles::Remove(const std::string& name) {
  being_written_.erase(name);
  web_storage_remove(name.c_str());
}

int BrowserFiles::KeepUnreadable(const std::string& name, std::string& kept) {
  for (int attempt = 1; attempt <= kMostKeptNames; ++attempt) {
    const std::string candidate = career::UnreadableName(name, attempt);
    const int moved = web_storage_move_to_free_name(name.c_str(), candidate.c_str());
    if (moved == kNameTaken) continue;
    if (moved != 0) return moved;
    kept = candidate;
    web_note(("The career that could not be read is kept in this browser's storage as splatvane/" + candidate + ".").c_str());
    return 0;
  }
  return career::io_codes::kAccessDenied;
}

}  // namespace platform
