#include "world/country_pictures.h"

namespace world {

namespace {

constexpr int kFirstFlagImage = 14;
constexpr int kFirstLabelImage = 34;

}  // namespace

int CountryFlagImage(int country) {
  return country >= 1 && country <= kCountryCount ? kFirstFlagImage + country - 1 : 0;
}

int CountryLabelImage(int country) {
  return country >= 1 && country <= kCountryCount ? kFirstLabelImage + country - 1 : 0;
}

}  // namespace world
