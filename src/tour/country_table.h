#pragma once
#include <array>
#include <string_view>

#include "tour/country_names.h"

namespace tour {

// The tour's countries as the world screen shows them, in the order of their names.
struct CountryFacts {
  int map_x;  // the country's point on the world map picture
  int map_y;
  std::string_view population;
  std::string_view government;
  std::string_view capital;
  std::string_view play_surface;  // finer than the four surfaces a match is played on
  int match_surface;              // 1 Grass, 2 Dirt & Stone, 3 Snow, 4 Artificial Turf
};

inline constexpr std::string_view kSeeUnitedKingdom = "(See United Kingdom)";

inline constexpr std::array<CountryFacts, kCountryCount> kCountryFacts{{
    {367, 220, "19 Million", "Democracy", "Canberra", "Grass (Hard)", 1},
    {258, 115, "7.8 Million", "Republic", "Baku", "Dirt and Rock", 2},
    {141, 190, "182 Million", "Republic", "Brasilia", "Grass", 1},
    {78, 87, "32 Million", "Confederation", "Ottawa", "Snow", 3},
    {334, 108, "1.2 Billion", "Communist State", "Beijing", "Grass", 1},
    {225, 86, "5.3 Million", "Monarchy", "Copenhagen", "Snow (Deep)", 3},
    {209, 98, "60 Million", "Republic", "Paris", "Grass (Soft)", 1},
    {217, 100, "82 Million", "Republic", "Berlin", "Grass (Soft)", 1},
    {336, 155, "7.3 Million", "Limited Democracy", "Hong Kong", "Grass", 1},
    {295, 154, "1 Billion", "Republic", "New Delhi", "Dirt and Rock", 2},
    {374, 115, "127 Million", "Democratic Monarchy", "Tokyo", "Artificial Turf", 4},
    {79, 149, "105 Million", "Republic", "Mexico City", "Dirt and Rock", 2},
    {213, 93, "16 Million", "Monarchy", "Amsterdam", "Grass", 1},
    {414, 245, "4 Million", "Democracy", "Wellington", "Grass", 1},
    {229, 88, "38.6 Million", "Republic", "Warsaw", "Grass", 1},
    {203, 94, "60 Million", "Democratic Monarchy", "London", "Grass", 1},
    {77, 118, "290 Million", "Federal Republic", "Washington DC", "Artificial Turf", 4},
    {198, 94, kSeeUnitedKingdom, kSeeUnitedKingdom, kSeeUnitedKingdom, "Grass", 1},
    {258, 159, "19.3 Million", "Republic", "Sanaa", "Dirt and Rock", 2},
    {233, 207, "12 Million", "Democracy", "Harare", "Dirt and Rock", 2},
}};

constexpr bool IsTourCountry(int country) { return country >= 1 && country <= kCountryCount; }

// The facts of country 1..20; nothing for any other number.
constexpr const CountryFacts* CountryFactsOf(int country) {
  return IsTourCountry(country) ? &kCountryFacts[static_cast<std::size_t>(country - 1)] : nullptr;
}

}  // namespace tour
