#include "career/save_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "career/io_error.h"

namespace career {

namespace {

void Check(int code) {
  if (code != 0) throw IoError(code);
}

void WriteWhole(const CareerRecord& record, Files& files, const std::string& name) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  const int written = files.Write(name, {bytes, sizeof record});
  const int closed = files.Close(name);
  Check(written);
  Check(closed);
}

// A saved name is outside input: a length byte beyond the 20 characters is read as 20.
void KeepNamesInBounds(CareerRecord& record) {
  for (ShortString& name : record.PlayerName) name.length = std::min<std::uint8_t>(name.length, ShortString::kCapacity);
}

}  // namespace

void SaveCareer(const CareerRecord& record, Files& files) {
  std::string target;
  Check(files.Resolve(kSaveFileName, target));
  std::string in_progress;
  Check(files.CreateBeside(target, in_progress));
  try {
    WriteWhole(record, files, in_progress);
    Check(files.Rename(in_progress, target));
  } catch (const IoError&) {
    files.Remove(in_progress);
    throw;
  }
}

void LoadCareer(CareerRecord& record, Files& files) {
  std::vector<std::uint8_t> bytes;
  Check(files.Read(kSaveFileName, kCareerRecordSize, bytes));
  if (bytes.size() < kCareerRecordSize) throw IoError(io_codes::kReadBeyondEnd);
  CareerRecord loaded;
  std::memcpy(&loaded, bytes.data(), kCareerRecordSize);
  KeepNamesInBounds(loaded);
  record = loaded;
}

void CareerFile::Load(CareerRecord& record, Files& files) {
  try {
    LoadCareer(record, files);
    unread_ = false;
  } catch (const IoError& error) {
    unread_ = error.Code() != io_codes::kFileNotFound;
    throw;
  }
}

void CareerFile::Save(const CareerRecord& record, Files& files) {
  if (unread_) {
    std::string target;
    Check(files.Resolve(kSaveFileName, target));
    std::string kept;
    const int moved = files.KeepUnreadable(target, kept);
    // Gone since: there is nothing left to keep.
    if (moved != io_codes::kFileNotFound) Check(moved);
    if (moved == 0) kept_as_ = kept;
    unread_ = false;
  }
  SaveCareer(record, files);
}

}  // namespace career
