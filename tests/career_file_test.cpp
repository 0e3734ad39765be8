#include <gtest/gtest.h>

#include <cstring>

#include "career/io_error.h"
#include "career/save_file.h"
#include "support/fake_host.h"

using career::CareerRecord;
using career::IoError;
using testing_support::MemoryFiles;

namespace {

std::int32_t IntAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  std::int32_t value;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

double DoubleAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  double value;
  std::memcpy(&value, bytes.data() + offset, 8);
  return value;
}

// A record with a distinct value in every field, so a misplaced field cannot go unseen.
CareerRecord DistinctRecord() {
  CareerRecord r = career::EmptyCareerRecord();
  r.Challenge = 3; r.TechLevel = 1; r.Reserved = 0x5A5A1234; r.HomeCountry = 9; r.Cash = 4321;
  r.MatchPending = 1; r.WeatherAllowed = 2; r.TourStage = 17; r.MatchOfStage = 2; r.Wins = 11; r.Losses = 4; r.MusicOn = 0;
  for (int k = 1; k <= 10; ++k) r.RecruitHired[k] = k % 2;
  for (int k = 1; k <= 7; ++k) {
    r.PlayerPos[k] = {10.5 * k, 20.25 * k};
    r.PlayerTarget[k] = {-3.0 * k, 400.0 - k};
  }
  for (int k = 1; k <= 8; ++k) {
    r.Sprint[k] = 50 - k; r.Portrait[k] = k + 10; r.Speed[k] = 10 + k; r.Endurance[k] = 11 + k;
    r.Agility[k] = 12 + k; r.Accuracy[k] = 13 + k; r.Paint[k] = 100 + k; r.GearLevel[k] = k % 6 + 1;
    r.SpareStat[k] = 70 + k; r.Occupation[k] = 20 + k; r.TagsFor[k] = 30 + k; r.TagsAgainst[k] = 40 + k;
    r.FlagPulls[k] = 50 + k; r.FlagHangs[k] = 60 + k; r.ShotCount[k] = k % 5; r.ShotTimer[k] = k;
    r.InPlay[k] = k % 2; r.AimPoint[k] = {100.0 + k, 200.0 + k}; r.Firing[k] = 1 - k % 2; r.HasFlag[k] = k == 3;
    r.Spotted[k] = k == 5;
    r.PlayerName[k].Set("PLAYER" + std::to_string(k));
  }
  return r;
}

}  // namespace

TEST(CareerFile, SavedBytesLieAtTheirOffsets) {
  MemoryFiles files;
  const CareerRecord record = DistinctRecord();
  career::SaveCareer(record, files);
  const auto& bytes = files.files.at("datarecord.dat");
  ASSERT_EQ(bytes.size(), 1248u);
  EXPECT_EQ(IntAt(bytes, 0), 3);
  EXPECT_EQ(IntAt(bytes, 8), 0x5A5A1234);
  EXPECT_EQ(IntAt(bytes, 16), 4321);
  EXPECT_EQ(IntAt(bytes, 28), 17);
  EXPECT_EQ(IntAt(bytes, 48 + 4 * 9), 0);  // recruit 10
  EXPECT_EQ(DoubleAt(bytes, 88 + 16 * 6 + 8), 20.25 * 7);  // PlayerPos[7].y
  EXPECT_EQ(IntAt(bytes, 200 + 4 * 7), 42);                 // Sprint[8]
  EXPECT_EQ(DoubleAt(bytes, 232), -3.0);                    // PlayerTarget[1].x
  EXPECT_EQ(bytes[344 + 21 * 7], 7);                        // name 8's length byte
  EXPECT_EQ(std::string(bytes.begin() + 344 + 21 * 7 + 1, bytes.begin() + 344 + 21 * 7 + 8), "PLAYER8");
  EXPECT_EQ(IntAt(bytes, 512 + 4 * 7), 18);   // Portrait[8]
  EXPECT_EQ(IntAt(bytes, 736 + 4 * 7), 78);   // SpareStat[8]
  EXPECT_EQ(IntAt(bytes, 896 + 4 * 7), 68);   // FlagHangs[8]
  EXPECT_EQ(DoubleAt(bytes, 1024 + 16 * 7), 108.0);  // AimPoint[8].x
  EXPECT_EQ(IntAt(bytes, 1216 + 4 * 4), 1);   // Spotted[5]
}

TEST(CareerFile, LoadRestoresEveryFieldIncludingMatchFieldsAndSlotEight) {
  MemoryFiles files;
  const CareerRecord saved = DistinctRecord();
  career::SaveCareer(saved, files);
  CareerRecord loaded = career::EmptyCareerRecord();
  career::LoadCareer(loaded, files);
  EXPECT_EQ(std::memcmp(&loaded, &saved, sizeof saved), 0);
  EXPECT_EQ(loaded.PlayerName[8].Get(), "PLAYER8");
  EXPECT_EQ(loaded.AimPoint[8], (career::FieldPoint{108.0, 208.0}));
  EXPECT_EQ(loaded.Spotted[5], 1);
}

TEST(CareerFile, NameKeepsTheBytesAfterItsLength) {
  CareerRecord record = career::EmptyCareerRecord();
  record.PlayerName[1].Set("ABCDEFGHIJKLMNOPQRST");
  record.PlayerName[1].Set("ERIC");
  MemoryFiles files;
  career::SaveCareer(record, files);
  const auto& bytes = files.files.at("datarecord.dat");
  EXPECT_EQ(bytes[344], 4);
  EXPECT_EQ(std::string(bytes.begin() + 345, bytes.begin() + 365), "ERICEFGHIJKLMNOPQRST");
}

TEST(CareerFile, MissingAndShortFilesRaiseTheirErrorsAndLeaveTheRecord) {
  MemoryFiles files;
  CareerRecord record = DistinctRecord();
  const CareerRecord before = record;
  try {
    career::LoadCareer(record, files);
    FAIL() << "a missing file loaded";
  } catch (const IoError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  files.files["datarecord.dat"] = std::vector<std::uint8_t>(1247, 0xEE);
  try {
    career::LoadCareer(record, files);
    FAIL() << "a short file loaded";
  } catch (const IoError& error) {
    EXPECT_STREQ(error.what(), "Read beyond end of file");
  }
  EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST(CareerFile, WildNameLengthsAreReadAsTwenty) {
  MemoryFiles files;
  std::vector<std::uint8_t> bytes(1248, 'A');
  files.files["datarecord.dat"] = bytes;
  CareerRecord record = career::EmptyCareerRecord();
  career::LoadCareer(record, files);
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(record.PlayerName[k].Get(), std::string(20, 'A'));
}

TEST(CareerFile, AFailedSaveAtAnyStepLeavesThePreviousFileAsItWas) {
  const CareerRecord first = DistinctRecord();
  CareerRecord second = first;
  second.Cash = 1;
  for (const int step : {0, 1, 2, 3}) {
    MemoryFiles files;
    career::SaveCareer(first, files);
    const auto previous = files.files.at("datarecord.dat");
    files.write_before_failing = 600;
    (step == 0 ? files.fail_create : step == 1 ? files.fail_write : step == 2 ? files.fail_close : files.fail_rename) =
        step == 1 ? 101 : 5;
    try {
      career::SaveCareer(second, files);
      FAIL() << "a failing save at step " << step << " reported success";
    } catch (const IoError& error) {
      EXPECT_STREQ(error.what(), step == 1 ? "Disk full" : "File access denied");
    }
    EXPECT_EQ(files.files.at("datarecord.dat"), previous) << "step " << step;
    EXPECT_EQ(files.files.count("datarecord.dat.new"), 0u) << "step " << step;
  }
}

TEST(CareerFile, ErrorTexts) {
  EXPECT_EQ(career::IoErrorText(3), "Invalid filename");
  EXPECT_EQ(career::IoErrorText(4), "Too many open files");
  EXPECT_EQ(career::IoErrorText(106), "Invalid numeric input");
  EXPECT_EQ(career::IoErrorText(28), "I/O error 28");
}
