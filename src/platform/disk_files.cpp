#include "platform/disk_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;
// Names tried for a save in progress, and for a career kept aside, before giving up.
constexpr int kMostNames = 99;

// A failure that left no error number behind is an I/O error all the same.
int LastError() { return GameErrorCode(errno == 0 ? EIO : errno); }

class Descriptor {
 public:
  explicit Descriptor(int file) : file_(file) {}
  ~Descriptor() {
    if (file_ >= 0) ::close(file_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return file_; }

 private:
  int file_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Make a new name survive a power cut, not only the file's bytes.
void SyncFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  const Descriptor handle(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.get() >= 0) fsync(handle.get());
}

// The text of a link, or the error number: EINVAL when the path is no link.
int ReadLink(const std::string& path, std::string& text) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) return errno;
    if (static_cast<std::size_t>(length) < buffer.size()) {
      text.assign(buffer.data(), static_cast<std::size_t>(length));
      return 0;
    }
    buffer.resize(buffer.size() * 2);
  }
}

int CreateExclusive(const std::string& name) {
  return open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

// What an earlier save left under a name, unless it is a folder, which is the player's.
bool RemoveLeftover(const std::string& name) {
  struct stat about {};
  if (lstat(name.c_str(), &about) != 0 || S_ISDIR(about.st_mode)) return false;
  return unlink(name.c_str()) == 0;
}

std::string InProgressName(const std::string& target, int attempt) {
  return career::NumberedName(target + ".new", attempt);
}

// 0, or the error number; EEXIST when the new name is taken.
int RenameWithoutReplacing(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
#endif
  // A file system (or a C library) that cannot refuse by itself: look first.
  struct stat about {};
  if (lstat(to.c_str(), &about) == 0) return EEXIST;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

DiskFiles::~DiskFiles() {
  for (const auto& [name, file] : open_) ::close(file);
}

int DiskFiles::Read(const std::string& name, std::size_t max_bytes, std::vector<std::uint8_t>& bytes) {
  errno = 0;
  // Opening a named pipe without O_NONBLOCK waits for a writer that never comes.
  const Descriptor file(open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return LastError();
  struct stat about {};
  if (fstat(file.get(), &about) != 0) return LastError();
  if (!S_ISREG(about.st_mode)) return GameErrorCode(S_ISDIR(about.st_mode) ? EISDIR : EACCES);
  bytes.clear();
  bytes.reserve(std::min(max_bytes, static_cast<std::size_t>(std::max<off_t>(about.st_size, 0))));
  while (bytes.size() < max_bytes) {
    const std::size_t had = bytes.size();
    bytes.resize(had + std::min<std::size_t>(65536, max_bytes - had));
    const ssize_t got = ::read(file.get(), bytes.data() + had, bytes.size() - had);
    bytes.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return LastError();
    if (got == 0) break;
  }
  return 0;
}

int DiskFiles::Resolve(const std::string& name, std::string& target) {
  std::string path = name;
  for (int hops = 0; hops < kMostLinks; ++hops) {
    std::string link;
    const int error = ReadLink(path, link);
    // No link, or nothing there yet: a save lands right here.
    if (error == EINVAL || error == ENOENT) {
      target = path;
      return 0;
    }
    if (error != 0) return GameErrorCode(error);
    path = link.starts_with('/') ? link : FolderOf(path) + link;
  }
  return GameErrorCode(ELOOP);
}

int DiskFiles::CreateBeside(const std::string& target, std::string& created) {
  for (int attempt = 1; attempt <= kMostNames; ++attempt) {
    const std::string name = InProgressName(target, attempt);
    errno = 0;
    int file = CreateExclusive(name);
    if (file < 0 && errno == EEXIST && RemoveLeftover(name)) file = CreateExclusive(name);
    if (file >= 0) {
      Close(name);
      open_[name] = file;
      created = name;
      return 0;
    }
    const int refused = errno == 0 ? EEXIST : errno;
    struct stat about {};
    const bool folder_in_the_way = lstat(name.c_str(), &about) == 0 && S_ISDIR(about.st_mode);
    if (!folder_in_the_way) return GameErrorCode(refused);
  }
  return GameErrorCode(EEXIST);
}

int DiskFiles::Write(const std::string& name, std::span<const std::uint8_t> bytes) {
  const auto found = open_.find(name);
  if (found == open_.end()) return codes::kAccessDenied;
  while (!bytes.empty()) {
    errno = 0;
    const ssize_t wrote = ::write(found->second, bytes.data(), bytes.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return LastError();
    bytes = bytes.subspan(static_cast<std::size_t>(wrote));
  }
  return 0;
}

int DiskFiles::Close(const std::string& name) {
  const auto found = open_.find(name);
  if (found == open_.end()) return 0;
  const int file = found->second;
  open_.erase(found);
  errno = 0;
  int error = 0;
  if (fsync(file) != 0) error = LastError();
  if (::close(file) != 0 && error == 0) error = LastError();
  return error;
}

int DiskFiles::Rename(const std::string& from, const std::string& to) {
  errno = 0;
  if (std::rename(from.c_str(), to.c_str()) != 0) return LastError();
  SyncFolderOf(to);
  return 0;
}

void DiskFiles::Remove(const std::string& name) {
  const auto found = open_.find(name);
  if (found != open_.end()) {
    ::close(found->second);
    open_.erase(found);
  }
  // Only ever a file: a folder of that name is the player's, not a save left half done.
  unlink(name.c_str());
}

int DiskFiles::KeepUnreadable(const std::string& name, std::string& kept) {
  for (int attempt = 1; attempt <= kMostNames; ++attempt) {
    const std::string candidate = career::UnreadableName(name, attempt);
    const int error = RenameWithoutReplacing(name, candidate);
    if (error == EEXIST) continue;
    if (error != 0) return GameErrorCode(error);
    SyncFolderOf(candidate);
    kept = candidate;
    std::fprintf(stderr, "Splatvane: %s could not be read; it is kept as %s\n", name.c_str(), candidate.c_str());
    return 0;
  }
  return GameErrorCode(EEXIST);
}

}  // namespace platform
