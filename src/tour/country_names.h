#pragma once
#include <array>
#include <string_view>

namespace tour {

inline constexpr int kCountryCount = 20;

// The tour's countries in the world screen's order; HomeCountry and TourStage count 1..20.
inline constexpr std::array<std::string_view, kCountryCount> kCountryNames = {
    "Australia", "Azerbaijan", "Brazil",      "Canada",         "China",
    "Denmark",   "France",     "Germany",     "Hong Kong",      "India",
    "Japan",     "Mexico",     "Netherlands", "New Zealand",    "Poland",
    "United Kingdom", "United States", "Wales", "Yemen",        "Zimbabwe"};

// Any other number has no name.
constexpr std::string_view CountryName(int country) {
  return country >= 1 && country <= kCountryCount ? kCountryNames[country - 1] : std::string_view{};
}

}  // namespace tour
