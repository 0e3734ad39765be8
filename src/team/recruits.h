#pragma once
#include <array>
#include <string_view>

namespace team {

inline constexpr int kRecruitPrice = 5000;
inline constexpr int kRecruitCount = 10;

// One free agent of the recruitment screen, with every line exactly as it is shown.
struct Recruit {
  std::string_view name;
  std::string_view age;
  std::string_view occupation;
  std::string_view experience;
  std::string_view description;
  int speed;
  int endurance;
  int accuracy;
  int agility;
  int gear_level;
  int figure;    // 1..8, the next-match screen's full figures
  int portrait;  // the Portrait value the recruit brings
};

inline constexpr std::array<Recruit, kRecruitCount> kRecruits{{
    {"Serena", "Age: 22", "Occupation: Socialite", "3 years tournament experience.", "High level of agility.",
     17, 16, 17, 19, 5, 1, -1},
    {"Echelon", "Age: 18", "Occupation: Swimming Coach", "2 years tournament experience.",
     "Amazing Endurance. Low Accuracy.", 16, 20, 12, 14, 3, 2, -1},
    {"Felicia", "Age: 25", "Occupation: Accountant", "New to tournaments.", "Quick and keen to learn.",
     17, 14, 15, 15, 3, 3, -1},
    {"Tara", "Age: 20", "Occupation: Dancer", "Lots of recball experience.", "Slow, but accurate and agile.",
     12, 14, 18, 18, 4, 4, -1},
    {"Nerelle", "Age: 23", "Occupation: Pro Footballer", "6 months tournament experience.",
     "Top speed, good endurance. Low accuracy.", 20, 17, 12, 15, 6, 1, -1},
    {"Bannon", "Age: 27", "Occupation: Farmhand", "18 months tournament experience.", "Low speed, good endurance.",
     14, 17, 14, 16, 5, 5, 21},
    {"Rourke", "Age: 28", "Occupation: Bouncer", "8 years tournament experience.", "Agile. Low speed, but accurate.",
     14, 16, 19, 18, 4, 6, 21},
    {"Hikaru", "Age: 20", "Occupation: Unemployed", "4 years Recball experience.",
     "Jack of all trades. Master of none.", 16, 16, 17, 16, 3, 7, 21},
    {"Andre", "Age: 21", "Occupation: Lifeguard", "7 years Recball experience", "Medium Speed with high endurance",
     16, 19, 13, 13, 4, 8, 21},
    {"Barron", "Age: 27", "Occupation: Vet", "3 Years tournament experience", "Top accuracy. Low endurance.",
     14, 12, 20, 15, 2, 6, 21},
}};

// The recruit numbered 1..10.
inline const Recruit& RecruitNumbered(int number) {
  return kRecruits[static_cast<std::size_t>(number < 1 || number > kRecruitCount ? 0 : number - 1)];
}

// The marker line of the recruitment screen; empty for a level outside 0..6.
inline std::string_view MarkerLine(int gear_level) {
  constexpr std::array<std::string_view, 7> kLines{
      "Marker: None",     "Marker: 1. Mk1 Peej",  "Marker: 2. Mk2 Peej",      "Marker: 3. Veemer",
      "Marker: 4. Blade", "Marker: 5. Firestorm", "Marker: 6. Black Omega"};
  if (gear_level < 0 || gear_level > 6) return {};
  return kLines[static_cast<std::size_t>(gear_level)];
}

}  // namespace team
