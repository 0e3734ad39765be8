#include "tour/travel_screen.h"

#include <algorithm>

#include "tour/next_match_screen.h"
#include "world/country_pictures.h"
#include "world/world.h"

namespace tour {

namespace {

constexpr int kTravelForm = 10;
constexpr int kOptionsForm = 3;
constexpr int kResultForm = 9;
constexpr int kAirlinerImage = 1;
constexpr int kCloudsImage = 3;
constexpr int kNextButtonImage = 6;

constexpr int kPlaneStep = 4;
constexpr int kBandStep = 2;
constexpr int kBandTop = 281;
constexpr int kBandBottom = 319;
// The words ride on the band, their left edge this far behind its end.
constexpr int kWordsBehindBand = 500;

constexpr const char* kTravelWords = "TRAVELLING TO A NEW COUNTRY";
constexpr const char* kCountryParade =
    "Australia    Azerbaijan    Brazil    Canada    China    Denmark    France    Germany    "
    "HongKong    India    Japan    Mexico    Netherlands    NewZealand    Poland    UnitedKingdom    "
    "USA    Wales    Yemen    Zimbabwe";

}  // namespace

TForm10::TForm10(world::World& world) : world::Screen(world, 10, "Form10", core::InputPicture{801, 593}) {}

void TForm10::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  MoveOn();
  DrawBandEdges(canvas);
  DrawBand(canvas);
  canvas.Draw(PlaneX, 0, world_.Picture(kTravelForm, kAirlinerImage));
  canvas.Draw(-TravelBand, 105, world_.Picture(kTravelForm, kCloudsImage));
  DrawCountries(canvas);
  DrawCountryNames(canvas);
  canvas.Draw(350, 500, world_.Picture(kResultForm, kNextButtonImage));
  frame.Copy();
}

void TForm10::MoveOn() {
  PlaneX = std::min(PlaneX + kPlaneStep, kPlaneLastX);
  TravelBand = std::min(TravelBand + kBandStep, kTravelBandLast);
}

void TForm10::DrawBandEdges(gfx::Canvas& canvas) const {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{0, 280}, {800, 280}});
  canvas.Polyline({{0, 320}, {800, 320}});
}

// The words are written after every row of the band; the last writing covers the rows
// before it, so writing them once after the whole band gives the same picture.
void TForm10::DrawBand(gfx::Canvas& canvas) const {
  canvas.Pen.Color = gfx::colors::Red;
  canvas.Brush.Color = gfx::colors::Red;
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 20;
  canvas.Font.Color = gfx::colors::White;
  for (int y = kBandTop; y <= kBandBottom; ++y) canvas.Polyline({{0, y}, {TravelBand, y}});
  canvas.TextOut(TravelBand - kWordsBehindBand, 285, kTravelWords);
}

void TForm10::DrawCountries(gfx::Canvas& canvas) const {
  const auto flag = [this](int country) { return world_.Picture(kOptionsForm, world::CountryFlagImage(country)); };
  const auto label = [this](int country) { return world_.Picture(kOptionsForm, world::CountryLabelImage(country)); };
  const int home = world_.Career.HomeCountry;
  const int destination = world_.Career.TourStage;
  canvas.Draw(0, 321, flag(home));
  canvas.Draw(0, 521, label(home));
  canvas.Draw(600, 321, flag(destination));
  canvas.Draw(600, 521, label(destination));
}

void TForm10::DrawCountryNames(gfx::Canvas& canvas) const {
  canvas.Font.Size = 13;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::White;
  canvas.TextOut(800 - 2 * TravelBand, 322, kCountryParade);
}

// Any press, anywhere and at any time, goes on to the line-up.
void TForm10::Image2MouseDown(core::MouseButton, int, int) { world_.SwitchScreen(*this, world_.Form7()); }

}  // namespace tour
