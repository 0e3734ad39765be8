#include "match/match_drawing.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "match/match_canvas.h"
#include "team/team_page.h"
#include "tour/country_names.h"
#include "tour/next_match_screen.h"
#include "world/world.h"

namespace match {

namespace {

using gfx::Canvas;
using world::World;
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

const gfx::Picture* MatchPicture(const World& world, int image) { return world.Picture(kMatchForm, image); }

bool Tired(const World& world, int slot) {
  return world.Match.MatchClock / 100 < std::int64_t{30} - world.Career.Endurance[slot];
}

void UseFont(Canvas& canvas, int size, gfx::Color colour) {
  canvas.Font.Name = "Arial";
  canvas.Font.Size = size;
  canvas.Font.Color = colour;
}

void DrawStatusIcon(const World& world, Canvas& canvas, int slot) {
  const int x = 40 * slot - 40;
  // Drawn in this order so that a later icon covers an earlier one.
  if (world.Career.InPlay[slot] == 1) canvas.Draw(x, 555, MatchPicture(world, kOkIconImage));
  if (world.Career.GearLevel[slot] == 0) canvas.Draw(x, 555, MatchPicture(world, kMarkerFaultIconImage));
  if (world.Career.InPlay[slot] == 0) canvas.Draw(x, 555, MatchPicture(world, kOutIconImage));
}

void DrawPlayerFigures(const World& world, Canvas& canvas, int slot) {
  const career::CareerRecord& career = world.Career;
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
void DrawSelectedPlayer(const World& world, Canvas& canvas, int slot) {
  const career::CareerRecord& career = world.Career;
  canvas.Draw(300, 450, world.Picture(kNextMatchForm, team::SmallPortraitImage(career.Portrait[slot])));
  canvas.TextOut(370, 450, career.PlayerName[slot].Get());
  DrawPlayerFigures(world, canvas, slot);
  canvas.Draw(300, 500, world.Picture(kNextMatchForm, tour::GearImage(career.GearLevel[slot])));
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

void DrawSparks(World& world, Canvas& canvas, int x, int y) {
  for (int pair = 0; pair < 7; ++pair) {
    for (const gfx::Color colour : {colors::White, colors::Black}) {
      const int row = y + 25 + world.Rng(30);
      const int column = x - 15 + world.Rng(30);
      canvas.SetPixel(column, row, colour);
    }
  }
}

// The selected player's ring, the line to where it walks and the line to where it fires.
void DrawSelection(const World& world, Canvas& canvas, int slot, int x, int y) {
  const career::CareerRecord& career = world.Career;
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

void DrawOwnPlayer(World& world, Canvas& canvas, int slot) {
  const career::CareerRecord& career = world.Career;
  const int x = Pixel(career.PlayerPos[slot].x);
  const int y = Pixel(career.PlayerPos[slot].y);
  if (career.GearLevel[slot] == 0 && career.InPlay[slot] == 1) DrawSparks(world, canvas, x, y);
  if (career.InPlay[slot] != 1) return;
  if (slot == world.Shared.SelectedPlayer) DrawSelection(world, canvas, slot, x, y);
  DrawNumberedDisc(canvas, career.PlayerPos[slot], slot);
}

void DrawOpponents(const World& world, Canvas& canvas) {
  const MatchState& match = world.Match;
  canvas.Brush.Color = colors::Red;
  for (int i = 1; i <= kTeamSize; ++i) {
    if (match.OppInPlay[i] == 1 && match.OppVisible[i] == 1) DrawNumberedDisc(canvas, match.OppPos[i], i);
  }
}

void DrawBunkers(const World& world, Canvas& canvas) {
  const MatchState& match = world.Match;
  for (int n = 1; n <= kBunkerCount; ++n) {
    const int kind = match.BunkerKind[n];
    if (kind == 1) canvas.Brush.Color = colors::Green;
    if (kind == 2) canvas.Brush.Color = kOlive;
    if (kind == 3) canvas.Brush.Color = kTeal;
    Circle(canvas, Pixel(match.Bunkers[n].x), Pixel(match.Bunkers[n].y) + kFieldTop, 15);
  }
}

}  // namespace

void DrawField(const World& world, Canvas& canvas) {
  canvas.Draw(0, 0, MatchPicture(world, kTitleImage));
  canvas.Draw(0, kFieldTop, MatchPicture(world, SurfaceImage(world.Shared.Surface)));
  const int lightning = world.Match.LightningTicks;
  // The flash flickers: on, on, off, on.
  if (lightning == 4 || lightning == 3 || lightning == 1) canvas.Draw(0, kFieldTop, MatchPicture(world, kLightningImage));
  canvas.Pen.Color = colors::Black;
  canvas.Polyline({{0, 40}, {799, 40}, {799, 440}, {0, 440}, {0, 40}});
}

void DrawTeamStrip(const World& world, Canvas& canvas) {
  UseFont(canvas, 8, colors::Black);
  canvas.Brush.Color = colors::White;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    canvas.TextOut(40 * slot - 23, 442, std::to_string(slot));
    const int portrait = world.Career.Portrait[slot];
    canvas.Draw(40 * slot - 40, 455, MatchPicture(world, StripFigureImage(portrait)));
    DrawStatusIcon(world, canvas, slot);
  }
}

void DrawCaptionLine(const World& world, Canvas& canvas) {
  const career::CareerRecord& career = world.Career;
  UseFont(canvas, 12, colors::Black);
  canvas.Brush.Color = colors::White;
  const std::string caption = std::string(tour::CountryName(career.HomeCountry)) + " vs " +
                              std::string(tour::CountryName(career.TourStage)) + ". Game " +
                              std::to_string(career.MatchOfStage) + " of 2 on " +
                              std::string(SurfaceName(world.Shared.Surface));
  canvas.TextOut(300, 20, caption);
  canvas.TextOut(650, 442, world.Match.WeatherText);
  canvas.Font.Size = 14;
  canvas.TextOut(740, 18, std::to_string(world.Match.MatchClock));
  canvas.Font.Size = 12;
}

void DrawPanel(const World& world, Canvas& canvas) {
  const MatchState& match = world.Match;
  const int slot = world.Shared.SelectedPlayer;
  UseFont(canvas, 12, colors::Black);
  canvas.Brush.Color = colors::White;
  if (InTeam(slot)) DrawSelectedPlayer(world, canvas, slot);
  canvas.Draw(500, 530, MatchPicture(world, kAllStopImage));
  if (InTeam(slot)) canvas.Draw(500, 550, MatchPicture(world, SprintButtonImage(world.Career.Sprint[slot])));
  canvas.Draw(500, 480, MatchPicture(world, match.OrderMode == 0 ? kMoveLitImage : kFireLitImage));
  canvas.Draw(650, 480, MatchPicture(world, match.Paused == 1 ? kPausedSymbolImage : kRunningImage));
  UseFont(canvas, 14, colors::Red);
  const std::string budget = std::to_string(match.PauseBudget);
  canvas.TextOut(660 + PauseBudgetOffset(budget), 530, budget);
  if (world.Shared.ResultClickLock > 0) DrawPauseButtonCrossedOut(canvas);
}

void DrawTiredFigures(const World& world, Canvas& canvas) {
  const career::CareerRecord& career = world.Career;
  const int slot = world.Shared.SelectedPlayer;
  if (!InTeam(slot) || !Tired(world, slot)) return;
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

void DrawFlag(const World& world, Canvas& canvas) {
  canvas.Brush.Color = kFuchsia;
  canvas.Pen.Color = colors::Black;
  Circle(canvas, Pixel(world.Match.FlagPos.x), Pixel(world.Match.FlagPos.y), 12);
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

void DrawPlayersAndBunkers(World& world, Canvas& canvas) {
  canvas.Pen.Color = colors::Black;
  canvas.Brush.Color = colors::Blue;
  UseFont(canvas, 7, colors::White);
  for (int slot = 1; slot <= kTeamSize; ++slot) DrawOwnPlayer(world, canvas, slot);
  DrawOpponents(world, canvas);
  DrawBunkers(world, canvas);
}

void DrawPaintballs(const World& world, Canvas& canvas) {
  canvas.Pen.Color = colors::Yellow;
  canvas.Brush.Color = colors::Yellow;
  for (const Paintball& ball : world.Match.Paintballs) {
    if (ball.Active == 1) Circle(canvas, Pixel(ball.Pos.x), Pixel(ball.Pos.y) + kFieldTop, 2);
  }
}

void DrawPausedBanner(const World& world, Canvas& canvas) {
  if (world.Match.Paused == 1) canvas.Draw(590, 50, MatchPicture(world, kPausedBannerImage));
}

}  // namespace match
