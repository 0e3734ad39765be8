#pragma once
// Where each screen has something to press, in picture coordinates (the help screen: window
// coordinates), so that random input can be aimed at the buttons. Every rectangle holds
// only points that count as inside its button (the game's hit tests are strict).
#include <span>

namespace testing_support {

struct PressArea {
  int left, top, right, bottom;  // inclusive
  int weight = 1;
};

// The whole input picture of a screen whose press anywhere counts.
inline constexpr PressArea kAnywhere{-1, -1, -1, -1, 1};

namespace press_areas {

inline constexpr PressArea kTitle[] = {
    {406, 162, 685, 230, 2},  // New Game
    {406, 251, 685, 317, 1},  // Continue Game
    kAnywhere,                // a click moves the title pictures on
};

inline constexpr PressArea kTeamBuilding[] = {
    {51, 101, 149, 199}, {151, 101, 249, 199}, {251, 101, 349, 199}, {351, 101, 449, 199},
    {451, 101, 549, 199}, {551, 101, 649, 199}, {651, 101, 749, 199},  // players 1..7
    {431, 501, 529, 549},                                            // PREV portrait
    {651, 501, 749, 549},                                            // NEXT portrait
    {41, 251, 99, 280, 2},                                           // Change
    {103, 303, 372, 328, 3}, {117, 331, 356, 360, 3}, {144, 364, 330, 391, 3},  // the letter rows
    {159, 398, 315, 422},                                            // SPACE
    {361, 327, 417, 355},                                            // CLR
    {361, 357, 417, 386, 2},                                         // OK
    {441, 551, 752, 584, 1},                                         // Team Build Complete
};

inline constexpr PressArea kOptions[] = {
    {1, 271, 199, 499},  // challenge
    {301, 271, 499, 499},  // weather
    {601, 271, 792, 499},  // technology
    {351, 551, 449, 584},  // NEXT
    {301, 51, 499, 249},   // home country
};

inline constexpr PressArea kTeamPage[] = {
    {1, 81, 449, 254, 4},  // the seven players
    {450, 1, 498, 49, 2},  // World Info
    {500, 1, 548, 49, 2},  // Gear Info
    {550, 1, 598, 49, 3},  // Train Player
    {600, 1, 648, 49, 2},  // Upgrade Gear
    {650, 1, 698, 49, 2},  // Buy Paint
    {700, 1, 748, 49, 1},  // Toggle Music
    {750, 1, 792, 49, 3},  // Next Match
    {400, 1, 448, 49, 2},  // Recruitment
    {350, 1, 398, 49, 1},  // Exit Game
    {300, 1, 348, 49, 2},  // Frequently Asked Questions
};

inline constexpr PressArea kWorld[] = {
    {1, 51, 149, 449, 3},  // the country list
    {351, 551, 449, 584},  // NEXT
};

inline constexpr PressArea kGear[] = {
    {351, 551, 449, 584},  // back to the team page
};

inline constexpr PressArea kNextMatch[] = {
    {731, 466, 792, 534, 2},  // PLAY
    {101, 403, 199, 426}, {201, 403, 299, 426}, {301, 403, 399, 426},
    {401, 403, 499, 426}, {501, 403, 599, 426}, {601, 403, 699, 426},  // SWAP 1..6
};

inline constexpr PressArea kMatch[] = {
    {501, 481, 599, 529, 2},  // MOVE / FIRE
    {501, 531, 599, 549},     // All Stop Firing
    {651, 481, 699, 529},     // pause
    {501, 551, 599, 579},     // SPRINT
    {1, 441, 279, 584, 2},    // the strip of players
    {1, 41, 792, 439, 8},     // orders on the field
};

inline constexpr PressArea kAnywhereOnly[] = {kAnywhere};

inline constexpr PressArea kRecruitment[] = {
    {701, 1, 792, 49, 2},    // NEXT recruit
    {701, 551, 792, 584},    // CANCEL
    {739, 249, 792, 269},    // the next player to replace
    {401, 551, 499, 584, 2},  // RECRUIT
};

inline constexpr PressArea kHelp[] = {
    {16, 72, 150, 285, 3},   // the nine titles
    {48, 472, 147, 521},     // CANCEL
    {208, 72, 744, 528, 2},  // the text box and its scroll bar
};

inline constexpr PressArea kTrainingMenu[] = {
    {1, 101, 249, 349},    // Accuracy
    {276, 101, 524, 349},  // Agility
    {551, 101, 792, 349},  // Speed and Endurance
    {301, 401, 499, 449},  // Random
};

inline constexpr PressArea kTagDuel[] = {
    {0, 0, 199, 584},    // lean out left
    {201, 0, 599, 584},  // cover
    {601, 0, 792, 584},  // lean out right
};

}  // namespace press_areas

// The press areas of screen `number` (1..19); empty for a number with no screen.
inline std::span<const PressArea> PressAreasOf(int number) {
  using namespace press_areas;
  switch (number) {
    case 1: return kTitle;
    case 2: return kTeamBuilding;
    case 3: return kOptions;
    case 4: return kTeamPage;
    case 5: return kWorld;
    case 6: return kGear;
    case 7: return kNextMatch;
    case 8: return kMatch;
    case 9: case 10: case 11: case 17: case 19: return kAnywhereOnly;
    case 12: return kRecruitment;
    case 13: return kHelp;
    case 16: return kTrainingMenu;
    case 18: return kTagDuel;
    default: return {};
  }
}

// The middle of the first area of a screen whose name the caller knows by its order above.
inline PressArea AreaOf(int screen, int index) { return PressAreasOf(screen)[static_cast<std::size_t>(index)]; }

}  // namespace testing_support
