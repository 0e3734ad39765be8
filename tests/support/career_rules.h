#pragma once
// The rules of the career that the team page and the result screen keep on every tick.
#include <string>

#include "career/career_record.h"

namespace testing_support {

// Slots 1..7 have no attribute above 20; what is wrong, or nothing.
inline std::string AttributesAboveTwenty(const career::CareerRecord& career) {
  for (int slot = 1; slot <= 7; ++slot) {
    for (const auto* attribute : {&career.Speed, &career.Endurance, &career.Agility, &career.Accuracy}) {
      if ((*attribute)[slot] > 20) return "an attribute of slot " + std::to_string(slot) + " is " + std::to_string((*attribute)[slot]) + " after a tick of the team page or the result";
    }
  }
  return {};
}

// Under low tech no marker of slots 1..7 is above level 2; what is wrong, or nothing.
inline std::string LowTechGearAboveTwo(const career::CareerRecord& career) {
  if (career.TechLevel != 1) return {};
  for (int slot = 1; slot <= 7; ++slot) {
    if (career.GearLevel[slot] > 2) return "low tech, GearLevel of slot " + std::to_string(slot) + " is " + std::to_string(career.GearLevel[slot]) + " after a team-page tick";
  }
  return {};
}

}  // namespace testing_support
