#pragma once
#include "career/career_record.h"
#include "career/files.h"

namespace career {

inline constexpr const char* kSaveFileName = "datarecord.dat";

// Writes the whole record to datarecord.dat. It is written beside the old file first and
// only then put in its place, so a save that fails leaves the previous career untouched.
// Throws IoError.
void SaveCareer(const CareerRecord& record, Files& files);

// Reads datarecord.dat over the whole record. The record changes only when a whole
// record was read; a short or missing file leaves it exactly as it was. Throws IoError.
void LoadCareer(CareerRecord& record, Files& files);

}  // namespace career
