#pragma once

namespace world {

inline constexpr int kCountryCount = 20;

// The home country's flag and name label among the options screen's pictures, numbered
// 1..20; the team-building screen, the team page and the world screen draw them too. Outside
// 1..20 there is no picture (0).
int CountryFlagImage(int country);
int CountryLabelImage(int country);

}  // namespace world
