#include "platform/disk_files.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "career/io_error.h"

namespace platform {

namespace codes = career::io_codes;

int GameErrorCode(int os_error) {
  switch (os_error) {
    case 0: return 0;
    case ENOENT: return codes::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EILSEQ:
    case EINVAL: return codes::kInvalidFilename;
    case EMFILE:
    case ENFILE: return codes::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    case ETXTBSY:
    case EBUSY: return codes::kAccessDenied;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return codes::kDiskFull;
    default: return kSystemErrorBase + os_error;
  }
}

namespace {

// A failure that left no error number behind is an I/O error all the same.
int LastError() { return GameErrorCode(errno == 0 ? EIO : errno); }

}  // namespace

DiskFiles::~DiskFiles() {
  for (auto& [name, file] : open_) std::fclose(file);
}

int DiskFiles::Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) {
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (!file) return LastError();
  bytes.clear();
  std::uint8_t chunk[65536];
  int error = 0;
  while (bytes.size() < max_bytes) {
    const std::size_t wanted = std::min(sizeof chunk, max_bytes - bytes.size());
    const std::size_t got = std::fread(chunk, 1, wanted, file);
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < wanted) {
      if (std::ferror(file)) error = LastError();
      break;
    }
  }
  std::fclose(file);
  return error;
}

int DiskFiles::Create(const std::string& name) {
  Close(name);
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "wb");
  if (!file) return LastError();
  open_[name] = file;
  return 0;
}

int DiskFiles::Write(const std::string& name, std::span<const std::uint8_t> bytes) {
  const auto found = open_.find(name);
  if (found == open_.end()) return codes::kAccessDenied;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), found->second) != bytes.size()) return LastError();
  return 0;
}

int DiskFiles::Close(const std::string& name) {
  const auto found = open_.find(name);
  if (found == open_.end()) return 0;
  std::FILE* file = found->second;
  open_.erase(found);
  errno = 0;
  int error = 0;
  if (std::fflush(file) != 0 || fsync(fileno(file)) != 0) error = LastError();
  if (std::fclose(file) != 0 && error == 0) error = LastError();
  return error;
}

int DiskFiles::Rename(const std::string& from, const std::string& to) {
  errno = 0;
  if (std::rename(from.c_str(), to.c_str()) != 0) return LastError();
  // Make the new name itself survive a power cut, not only the file's bytes.
  const int folder = open(".", O_RDONLY | O_DIRECTORY);
  if (folder >= 0) {
    fsync(folder);
    ::close(folder);
  }
  return 0;
}

void DiskFiles::Remove(const std::string& name) {
  const auto found = open_.find(name);
  if (found != open_.end()) {
    std::fclose(found->second);
    open_.erase(found);
  }
  // Only ever a file: a folder of that name is the player's, not a save left half done.
  unlink(name.c_str());
}

}  // namespace platform
