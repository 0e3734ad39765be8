#pragma once
#include <cstddef>
#include <cstdint>

#include "career/field_point.h"
#include "career/slots.h"

namespace career {

using int32 = std::int32_t;

// The whole career, exactly as it lies in the save file: 1248 bytes, no padding (every
// field falls on its natural alignment), little-endian integers. The own team's match fields are kept here too, so they are saved.
struct CareerRecord {
  int32 Challenge;       // 1 easy, 2 medium, 3 hard
  int32 TechLevel;       // 1 low tech (markers up to level 2), 2 hi tech (up to 6)
  int32 Reserved;        // carried through load and save unchanged
  int32 HomeCountry;     // 1..20
  int32 Cash;
  int32 MatchPending;    // 1 the next match is here; 0 travel first
  int32 WeatherAllowed;  // 1 no weather, 2 allow weather
  int32 TourStage;       // 1..20 the country now played; 21 the tour is finished
  int32 MatchOfStage;    // 1 or 2
  int32 Wins;
  int32 Losses;
  int32 MusicOn;
  Slots<int32, 10> RecruitHired;
  Slots<FieldPoint, 7> PlayerPos;
  Slots<int32, 8> Sprint;
  Slots<FieldPoint, 7> PlayerTarget;
  Slots<ShortString, 8> PlayerName;
  Slots<int32, 8> Portrait;  // 0 none, 1..10 female, 11..20 male, -1 / 21 recruits
  Slots<int32, 8> Speed;
  Slots<int32, 8> Endurance;
  Slots<int32, 8> Agility;
  Slots<int32, 8> Accuracy;
  Slots<int32, 8> Paint;
  Slots<int32, 8> GearLevel;
  Slots<int32, 8> SpareStat;
  Slots<int32, 8> Occupation;
  Slots<int32, 8> TagsFor;
  Slots<int32, 8> TagsAgainst;
  Slots<int32, 8> FlagPulls;
  Slots<int32, 8> FlagHangs;
  Slots<int32, 8> ShotCount;
  Slots<int32, 8> ShotTimer;
  Slots<int32, 8> InPlay;
  Slots<FieldPoint, 8> AimPoint;
  Slots<int32, 8> Firing;
  Slots<int32, 8> HasFlag;
  Slots<int32, 8> Spotted;
};

inline constexpr std::size_t kCareerRecordSize = 1248;

static_assert(sizeof(CareerRecord) == kCareerRecordSize);
static_assert(sizeof(ShortString) == 21);
static_assert(offsetof(CareerRecord, Reserved) == 8);
static_assert(offsetof(CareerRecord, Cash) == 16);
static_assert(offsetof(CareerRecord, MusicOn) == 44);
static_assert(offsetof(CareerRecord, RecruitHired) == 48);
static_assert(offsetof(CareerRecord, PlayerPos) == 88);
static_assert(offsetof(CareerRecord, Sprint) == 200);
static_assert(offsetof(CareerRecord, PlayerTarget) == 232);
static_assert(offsetof(CareerRecord, PlayerName) == 344);
static_assert(offsetof(CareerRecord, Portrait) == 512);
static_assert(offsetof(CareerRecord, Speed) == 544);
static_assert(offsetof(CareerRecord, Endurance) == 576);
static_assert(offsetof(CareerRecord, Agility) == 608);
static_assert(offsetof(CareerRecord, Accuracy) == 640);
static_assert(offsetof(CareerRecord, Paint) == 672);
static_assert(offsetof(CareerRecord, GearLevel) == 704);
static_assert(offsetof(CareerRecord, SpareStat) == 736);
static_assert(offsetof(CareerRecord, Occupation) == 768);
static_assert(offsetof(CareerRecord, TagsFor) == 800);
static_assert(offsetof(CareerRecord, TagsAgainst) == 832);
static_assert(offsetof(CareerRecord, FlagPulls) == 864);
static_assert(offsetof(CareerRecord, FlagHangs) == 896);
static_assert(offsetof(CareerRecord, ShotCount) == 928);
static_assert(offsetof(CareerRecord, ShotTimer) == 960);
static_assert(offsetof(CareerRecord, InPlay) == 992);
static_assert(offsetof(CareerRecord, AimPoint) == 1024);
static_assert(offsetof(CareerRecord, Firing) == 1152);
static_assert(offsetof(CareerRecord, HasFlag) == 1184);
static_assert(offsetof(CareerRecord, Spotted) == 1216);

// A fresh program's record: every byte zero.
CareerRecord EmptyCareerRecord();

}  // namespace career
