#include "tour/world_screen.h"

#include <string>

#include "team/team_page.h"
#include "tour/country_table.h"
#include "world/country_pictures.h"
#include "world/world.h"

namespace tour {

namespace {

using core::Sound;

constexpr int kWorldForm = 5;
constexpr int kMapImage = 2;
constexpr int kTitleImage = 3;
constexpr int kNextButtonImage = 38;  // the team-building screen's NEXT

constexpr int kMapLeft = 360, kMapTop = 50;
constexpr int kListRight = 150, kListTop = 45, kListBottom = 460;

// The landmark photographs of countries 1..20.
int PhotographImage(int country) { return IsTourCountry(country) ? country + 3 : 0; }

int RowTop(int country) { return 30 + 20 * country; }

// The list's rows: country 1 from y 50 to 70, each next one 20 further down; a border
// between two rows belongs to neither.
int CountryAtRow(int y) {
  for (int country = 1; country <= kCountryCount; ++country) {
    if (y > RowTop(country) && y < RowTop(country) + 20) return country;
  }
  return 0;
}

void DrawMarker(gfx::Canvas& canvas, int country, gfx::Color fill) {
  if (!IsTourCountry(country)) return;
  canvas.Brush.Color = fill;
  canvas.Ellipse(3, 20 * country + 34, 13, 20 * country + 44);
}

}  // namespace

TForm5::TForm5(world::World& world) : world::Screen(world, 5, "World") {}

void TForm5::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kWorldForm, kTitleImage));
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 12;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::Silver;
  canvas.Pen.Color = gfx::colors::Silver;
  canvas.Draw(350, 550, world_.Picture(team::kTeamBuildingForm, kNextButtonImage));
  DrawList(canvas);
  DrawMarkers(canvas);
  DrawViewedCountry(canvas);
  canvas.Draw(kMapLeft, kMapTop, world_.Picture(kWorldForm, kMapImage));
  DrawCrossHairs(canvas);
  DrawFacts(canvas);
  frame.Copy();
}

void TForm5::DrawList(gfx::Canvas& canvas) const {
  canvas.FillRect(0, kListTop, kListRight, kListBottom + 1);
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{0, kListTop}, {kListRight, kListTop}, {kListRight, kListBottom}, {0, kListBottom}, {0, kListTop}});
  for (int country = 1; country <= kCountryCount; ++country) canvas.TextOut(15, RowTop(country), CountryName(country));
}

// Where the team plays now, then home, then the country viewed: a later marker covers an
// earlier one on the same row.
void TForm5::DrawMarkers(gfx::Canvas& canvas) const {
  DrawMarker(canvas, world_.Career.TourStage, gfx::colors::Green);
  DrawMarker(canvas, world_.Career.HomeCountry, gfx::colors::Yellow);
  DrawMarker(canvas, ViewedCountry, gfx::colors::Red);
}

void TForm5::DrawViewedCountry(gfx::Canvas& canvas) const {
  canvas.Draw(160, 50, world_.Picture(team::kOptionsForm, world::CountryLabelImage(ViewedCountry)));
  canvas.Draw(160, 80, world_.Picture(team::kOptionsForm, world::CountryFlagImage(ViewedCountry)));
  canvas.Draw(157, 300, world_.Picture(kWorldForm, PhotographImage(ViewedCountry)));
}

void TForm5::DrawCrossHairs(gfx::Canvas& canvas) const {
  const CountryFacts* facts = CountryFactsOf(ViewedCountry);
  if (!facts) return;
  canvas.Pen.Color = gfx::colors::Red;
  canvas.MoveTo(kMapLeft + facts->map_x, 52);
  canvas.LineTo(kMapLeft + facts->map_x, 340);
  canvas.MoveTo(362, kMapTop + facts->map_y);
  canvas.LineTo(789, kMapTop + facts->map_y);
}

void TForm5::DrawFacts(gfx::Canvas& canvas) const {
  const CountryFacts* facts = CountryFactsOf(ViewedCountry);
  if (!facts) return;
  canvas.Font.Size = 18;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::White;
  canvas.TextOut(360, 350, "Population: " + std::string(facts->population));
  canvas.TextOut(360, 380, "Government: " + std::string(facts->government));
  canvas.TextOut(360, 410, "Capital City: " + std::string(facts->capital));
  canvas.TextOut(360, 440, "Play Surface: " + std::string(facts->play_surface));
}

void TForm5::Image1MouseDown(core::MouseButton, int x, int y) {
  if (x > 0 && x < kListRight) ViewCountryAt(y);
  if (x > 350 && x < 450 && y > 550 && y < 600) BackToTeamPage();
}

void TForm5::ViewCountryAt(int y) {
  if (const int country = CountryAtRow(y)) ViewedCountry = country;
  world_.Sounds.Play(Sound::Click);
}

void TForm5::BackToTeamPage() {
  world_.Sounds.Play(Sound::Click);
  world_.SwitchScreen(*this, world_.Form4());
}

}  // namespace tour
