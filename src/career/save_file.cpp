#include "career/save_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "career/io_error.h"

namespace career {

namespace {

constexpr const char* kSaveInProgress = "datarecord.dat.new";

void Check(int code) {
  if (code != 0) throw IoError(code);
}

void WriteInProgressCopy(const CareerRecord& record, Files& files) {
  Check(files.Create(kSaveInProgress));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  const int written = files.Write(kSaveInProgress, {bytes, sizeof record});
  const int closed = files.Close(kSaveInProgress);
  Check(written);
  Check(closed);
}

// A saved name is outside input: a length byte beyond the 20 characters is read as 20.
void KeepNamesInBounds(CareerRecord& record) {
  for (ShortString& name : record.PlayerName) name.length = std::min<std::uint8_t>(name.length, ShortString::kCapacity);
}

}  // namespace

void SaveCareer(const CareerRecord& record, Files& files) {
  try {
    WriteInProgressCopy(record, files);
    Check(files.Rename(kSaveInProgress, kSaveFileName));
  } catch (const IoError&) {
    files.Remove(kSaveInProgress);
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

}  // namespace career
