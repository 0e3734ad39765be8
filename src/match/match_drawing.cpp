#include "match/match_drawing.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/picture_store.h"
#include "match/match_canvas.h"
#include "match/movement.h"
#include "team/team_page.h"
#include "tour/country_names.h"
#include "tour/next_match_screen.h"

namespace match {

namespace {

using gfx::Canvas;
using career::CareerRecord;
using world::SharedState;
namespace colors = gfx::colors;

constexpr gfx::Color kFuchsia{255, 0, 255};
constexpr gfx::Color kOlive{128, 128, 0};
constexpr gfx::Color kTeal{0, 128, 128};

constexpr int kTeamSize = 7;

// The match's own pictures.
constexpr int kTitleImage = 6;
constexpr int kBlueFigureImage = 7;
constexpr int kGreyFigureImage = 8;
constexpr int kOkIconImage = 11;
constexpr int kOutIconImage = 12;
constexpr int kMarkerFaultIconImage = 13;
constexpr int kMoveLitImage = 14;
constexpr int kFireLitImage = 15;
constexpr int kLightningImage = 16;
constexpr int kRunningImage = 17;
constexpr int kPausedSymbolImage = 18;
constexpr int kPausedBannerImage = 19;
constexpr int kAllStopImage = 20;
constexpr int kSprintAvailableImage = 21;
constexpr int kSprintSpentImage = 22;
constexpr int kSprintRunningImage = 23;

constexpr std::array<std::string_view, 4> kSurfaceNames = {"Grass", "Dirt & Stone", "Snow", "Artificial Turf"};

bool InTeam(int slot) { return slot >= 1 && slot <= kTeamSize; }

// Pictures for a value that may come from a saved career; 0 (no picture) outside the values
// the game gives out.
int SurfaceImage(int surface) { return surface >= 1 && surface <= 4 ? surface + 1 : 0; }

// As on the line-up, any portrait below 11 wears blue and any above 10 grey, the empty one grey.
int StripFigureImage(int portrait) { return portrait == 0 || portrait > 10 ? kGreyFigureImage : kBlueFigureImage; }


int SprintButtonImage(int sprint) {
  if (sprint == 0) return kSprintAvailableImage;
  if (sprint == 1) return kSprintSpentImage;
  return sprint > 1 ? kSprintRunningImage : 0;
}

std::string_view SurfaceName(int surface) {
  return surface >= 1 && surface <= 4 ? kSurfaceNames[surface - 1] : std::string_view{};
}

// Sums of a saved career's figures, which may hold any value, are worked out wide.
std::string Figure(std::int64_t value) { return std::to_string(value); }

void UseFont(Canvas& canvas, int size, gfx::Color colour) {
  canvas.Font.Name = "Arial";
  canvas.Font.Size = size;
  canvas.Font.Color = colour;
}

void DrawStatusIcon(const CareerRecord& career, const MatchPictures& pictures, Canvas& canvas, int slot) {
  const int x = 40 * slot - 40;
  // Drawn in this order so that a later icon covers an earlier one.
  if (career.InPlay[slot] == 1) canvas.Draw(x, 555, pictures.Own(kOkIconImage));
  if (career.GearLevel[slot] == 0) canvas.Draw(x, 555, pictures.Own(kMarkerFaultIconImage));
  if (career.InPlay[slot] == 0) canvas.Draw(x, 555, pictures.Own(kOutIconImage));
}

void DrawPlayerFigures(const CareerRecord& career, Canvas& canvas, int slot) {
  UseFont(canvas, 10, colors::Black);
  canvas.TextOut(370, 483, Figure(std::int64_t{career.Speed[slot]} + career.Sprint[slot]));
  canvas.TextOut(392, 483, Figure(career.Endurance[slot]));
  canvas.TextOut(414, 483, Figure(career.Agility[slot]));
  canvas.TextOut(436, 483, Figure(career.Accuracy[slot]));
  canvas.Font.Size = 8;
  canvas.TextOut(370, 470, "spd");
  canvas.TextOut(392, 470, "end");
  canvas.TextOut(414, 470, "agi");
  canvas.TextOut(436, 470, "acc");
}

// The portrait, name, figures, gear and paint of the selected player.
void DrawSelectedPlayer(const CareerRecord& career, const MatchPictures& pictures, Canvas& canvas, int slot) {
  canvas.Draw(300, 450, pictures.OfNextMatch(team::SmallPortraitImage(career.Portrait[slot])));
  canvas.TextOut(370, 450, career.PlayerName[slot].Get());
  DrawPlayerFigures(career, canvas, slot);
  canvas.Draw(300, 500, pictures.OfNextMatch(tour::GearImage(career.GearLevel[slot])));
  UseFont(canvas, 14, colors::Red);
  canvas.TextOut(420, 520, Figure(career.Paint[slot]));
}

// The budget's figure stands further left the more digits it has.
int PauseBudgetOffset(std::string_view figure) {
  switch (figure.size()) {
    case 1: return 15;
    case 2: return 10;
    case 3: return 0;
    default: return -10;
  }
}

void DrawPauseButtonCrossedOut(Canvas& canvas) {
  canvas.Pen.Color = colors::Red;
  canvas.Polyline({{649, 479}, {701, 479}, {701, 555}, {649, 555}, {649, 479}, {701, 555}});
  canvas.Polyline({{701, 479}, {649, 555}});
}

void DrawSparks(core::Random& rng, Canvas& canvas, int x, int y) {
  for (int pair = 0; pair < 7; ++pair) {
    for (const gfx::Color colour : {colors::White, colors::Black}) {
      const int row = y + 25 + rng(30);
      const int column = x - 15 + rng(30);
      canvas.SetPixel(column, row, colour);
    }
  }
}

// The selected player's ring, the line to where it walks and the line to where it fires.
void DrawSelection(const CareerRecord& career, Canvas& canvas, int slot, int x, int y) {
  canvas.Pen.Color = colors::Yellow;
  canvas.Brush.Color = colors::Yellow;
  Circle(canvas, x, y + kFieldTop, 11);
  canvas.Pen.Color = colors::Black;
  canvas.Brush.Color = colors::Blue;
  const FieldPoint& target = career.PlayerTarget[slot];
  canvas.Polyline({{x, y + kFieldTop}, {Pixel(target.x), Pixel(target.y) + kFieldTop}});
  canvas.Pen.Color = colors::Blue;
  const FieldPoint& aim = career.AimPoint[slot];
  if (aim.x > 0 && aim.x < 800 && aim.y > 40 && aim.y < 440) {
    canvas.Polyline({{x, y + kFieldTop}, {Pixel(aim.x), Pixel(aim.y)}});
  }
  canvas.Pen.Color = colors::Black;
}

// A player's disc with its number in white.
void DrawNumberedDisc(Canvas& canvas, const FieldPoint& position, int number) {
  const int x = Pixel(position.x);
  const int y = Pixel(position.y);
  Circle(canvas, x, y + kFieldTop, 10);
  canvas.TextOut(x - 2, y + 34, std::to_string(number));
}

void DrawOwnPlayer(const CareerRecord& career, int selected_player, core::Random& rng, Canvas& canvas, int slot) {
  const int x = Pixel(career.PlayerPos[slot].x);
  const int y = Pixel(career.PlayerPos[slot].y);
  if (career.GearLevel[slot] == 0 && career.InPlay[slot] == 1) DrawSparks(rng, canvas, x, y);
  if (career.InPlay[slot] != 1) return;
  if (slot == selected_player) DrawSelection(career, canvas, slot, x, y);
  DrawNumberedDisc(canvas, career.PlayerPos[slot], slot);
}

void DrawOpponents(const MatchState& match, Canvas& canvas) {
  canvas.Brush.Color = colors::Red;
  for (int i = 1; i <= kTeamSize; ++i) {
    if (match.OppInPlay[i] == 1 && match.OppVisible[i] == 1) DrawNumberedDisc(canvas, match.OppPos[i], i);
  }
}

void DrawBunkers(const MatchState& match, Canvas& canvas) {
  for (int n = 1; n <= kBunkerCount; ++n) {
    const int kind = match.BunkerKind[n];
    if (kind == 1) canvas.Brush.Color = colors::Green;
    if (kind == 2) canvas.Brush.Color = kOlive;
    if (kind == 3) canvas.Brush.Color = kTeal;
    Circle(canvas, Pixel(match.Bunkers[n].x), Pixel(match.Bunkers[n].y) + kFieldTop, 15);
  }
}

}  // namespace

const gfx::Picture* MatchPictures::Own(int image) const { return store_ ? store_->Get(kMatchForm, image) : nullptr; }

const gfx::Picture* MatchPictures::OfNextMatch(int image) const {
  return store_ ? store_->Get(tour::kNextMatchForm, image) : nullptr;
}

void DrawField(const MatchState& match, const SharedState& shared, const MatchPictures& pictures, Canvas& canvas) {
  canvas.Draw(0, 0, pictures.Own(kTitleImage));
  canvas.Draw(0, kFieldTop, pictures.Own(SurfaceImage(shared.Surface)));
  const int lightning = match.LightningTicks;
  // The flash flickers: on, on, off, on.
  if (lightning == 4 || lightning == 3 || lightning == 1) canvas.Draw(0, kFieldTop, pictures.Own(kLightningImage));
  canvas.Pen.Color = colors::Black;
  canvas.Polyline({{0, 40}, {799, 40}, {799, 440}, {0, 440}, {0, 40}});
}

void DrawTeamStrip(const CareerRecord& career, const MatchPictures& pictures, Canvas& canvas) {
  UseFont(canvas, 8, colors::Black);
  canvas.Brush.Color = colors::White;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    canvas.TextOut(40 * slot - 23, 442, std::to_string(slot));
    const int portrait = career.Portrait[slot];
    canvas.Draw(40 * slot - 40, 455, pictures.Own(StripFigureImage(portrait)));
    DrawStatusIcon(career, pictures, canvas, slot);
  }
}

void DrawCaptionLine(const MatchState& match, const CareerRecord& career, const SharedState& shared, Canvas& canvas) {
  UseFont(canvas, 12, colors::Black);
  canvas.Brush.Color = colors::White;
  const std::string caption = std::string(tour::CountryName(career.HomeCountry)) + " vs " +
                              std::string(tour::CountryName(career.TourStage)) + ". Game " +
                              std::to_string(career.MatchOfStage) + " of 2 on " +
                              std::string(SurfaceName(shared.Surface));
  canvas.TextOut(300, 20, caption);
  canvas.TextOut(650, 442, match.WeatherText);
  canvas.Font.Size = 14;
  canvas.TextOut(740, 18, std::to_string(match.MatchClock));
  canvas.Font.Size = 12;
}

void DrawPanel(const MatchState& match, const CareerRecord& career, const SharedState& shared,
               const MatchPictures& pictures, Canvas& canvas) {
  const int slot = shared.SelectedPlayer;
  UseFont(canvas, 12, colors::Black);
  canvas.Brush.Color = colors::White;
  if (InTeam(slot)) DrawSelectedPlayer(career, pictures, canvas, slot);
  canvas.Draw(500, 530, pictures.Own(kAllStopImage));
  if (InTeam(slot)) canvas.Draw(500, 550, pictures.Own(SprintButtonImage(career.Sprint[slot])));
  canvas.Draw(500, 480, pictures.Own(match.OrderMode == 0 ? kMoveLitImage : kFireLitImage));
  canvas.Draw(650, 480, pictures.Own(match.Paused == 1 ? kPausedSymbolImage : kRunningImage));
  UseFont(canvas, 14, colors::Red);
  const std::string budget = std::to_string(match.PauseBudget);
  canvas.TextOut(660 + PauseBudgetOffset(budget), 530, budget);
  if (shared.ResultClickLock > 0) DrawPauseButtonCrossedOut(canvas);
}

void DrawTiredFigures(const MatchState& match, const CareerRecord& career, const SharedState& shared,
                      Canvas& canvas) {
  const int slot = shared.SelectedPlayer;
  if (!InTeam(slot) || !IsTired(match.MatchClock, career.Endurance[slot])) return;
  UseFont(canvas, 10, colors::Red);
  canvas.Brush.Color = colors::White;
  // The two spaces cover the wider black figures underneath.
  if (career.Sprint[slot] < 2) canvas.TextOut(370, 483, Figure(std::int64_t{career.Speed[slot]} - 5) + "  ");
  canvas.TextOut(392, 483, Figure(career.Endurance[slot]) + "  ");
}

void DrawEndMarks(Canvas& canvas) {
  canvas.Pen.Color = colors::Red;
  canvas.Polyline({{50, 140}, {50, 340}});
  canvas.Polyline({{750, 140}, {750, 340}});
  canvas.Brush.Color = colors::SkyBlue;
  canvas.Pen.Color = colors::Black;
  canvas.Ellipse(5, 230, 25, 250);
}

void DrawFlag(const MatchState& match, Canvas& canvas) {
  canvas.Brush.Color = kFuchsia;
  canvas.Pen.Color = colors::Black;
  Circle(canvas, Pixel(match.FlagPos.x), Pixel(match.FlagPos.y), 12);
}

void DrawPathDot(Canvas& canvas, const FieldPoint& point, PointerPathPen pen) {
  const gfx::Color colour = pen.fire_mode ? colors::Blue : pen.blocked ? colors::Red : colors::Black;
  canvas.Pen.Color = colour;
  canvas.Brush.Color = colour;
  Circle(canvas, Pixel(point.x), Pixel(point.y) + kFieldTop, 2);
}

void DrawPathCaption(Canvas& canvas, const FieldPoint& last_point, bool fire_mode) {
  UseFont(canvas, 8, colors::Black);
  canvas.Brush.Color = fire_mode ? colors::SkyBlue : colors::Silver;
  canvas.TextOut(Pixel(last_point.x) - 10, Pixel(last_point.y) + 30, fire_mode ? "Fire" : "Run");
}

void DrawPlayersAndBunkers(const MatchState& match, const CareerRecord& career, const SharedState& shared,
                           core::Random& rng, Canvas& canvas) {
  canvas.Pen.Color = colors::Black;
  canvas.Brush.Color = colors::Blue;
  UseFont(canvas, 7, colors::White);
  for (int slot = 1; slot <= kTeamSize; ++slot) DrawOwnPlayer(career, shared.SelectedPlayer, rng, canvas, slot);
  DrawOpponents(match, canvas);
  DrawBunkers(match, canvas);
}

void DrawPaintballs(const MatchState& match, Canvas& canvas) {
  canvas.Pen.Color = colors::Yellow;
  canvas.Brush.Color = colors::Yellow;
  for (const Paintball& ball : match.Paintballs) {
    if (ball.Active == 1) Circle(canvas, Pixel(ball.Pos.x), Pixel(ball.Pos.y) + kFieldTop, 2);
  }
}

void DrawPausedBanner(const MatchState& match, const MatchPictures& pictures, Canvas& canvas) {
  if (match.Paused == 1) canvas.Draw(590, 50, pictures.Own(kPausedBannerImage));
}

}  // namespace match
