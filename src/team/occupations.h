#pragma once
#include <array>
#include <string_view>

namespace team {

inline constexpr int kOccupationCount = 30;

inline constexpr std::array<std::string_view, kOccupationCount> kOccupations = {
    "Swimming Instructor",  "Ambulance Officer",   "Airline Pilot",      "Accountant",
    "Store Manager",        "Advertising Executive", "Auto Mechanic",    "Office Assistant",
    "Adult Student",        "Unemployed",          "TV Repair Technician", "Bank Clerk",
    "Sports Writer",        "Music Technician",    "Speech Therapist",   "Naval Officer",
    "Army Officer",         "Airforce Officer",    "Police Officer",     "School Teacher",
    "Dance Instructor",     "Sales Representative", "Veterinarian",      "Farm Hand",
    "Security Guard",       "Road Worker",         "Screenprinter",      "Publisher",
    "Builder",              "Carpenter",
};

// The occupation numbered 1..30; empty for any other number.
constexpr std::string_view OccupationName(int number) {
  return number >= 1 && number <= kOccupationCount ? kOccupations[static_cast<std::size_t>(number - 1)] : std::string_view{};
}

}  // namespace team
