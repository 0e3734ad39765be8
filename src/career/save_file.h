#pragma once
#include <string>

#include "career/career_record.h"
#include "career/files.h"

namespace career {

inline constexpr const char* kSaveFileName = "datarecord.dat";

// Writes the whole record to datarecord.dat. It is written beside the old file first and
// only then put in its place, so a save that fails leaves the previous career untouched.
// A datarecord.dat that is a link is saved through: the file it stands for gets the career.
// Throws IoError.
void SaveCareer(const CareerRecord& record, Files& files);

// Reads datarecord.dat over the whole record. The record changes only when a whole
// record was read; a short or missing file leaves it exactly as it was. Throws IoError.
void LoadCareer(CareerRecord& record, Files& files);

// The career file as the game last found it. A file that was there but could not be read may
// still hold a whole career (one the player may not read just now, one cut short by a copy),
// so the first save after it moves it aside instead of writing over it.
class CareerFile {
 public:
  void Load(CareerRecord& record, Files& files);
  void Save(const CareerRecord& record, Files& files);
  // Where the last unreadable career went, or an empty string.
  const std::string& KeptAs() const { return kept_as_; }

 private:
  bool unread_ = false;
  std::string kept_as_;
};

}  // namespace career
