#include "match_scenes.h"

#include <map>

#include "career/field_point.h"
#include "match/match_drawing.h"
#include "match/match_screen.h"
#include "match/sight.h"

namespace snapshot {

namespace {

using career::FieldPoint;

struct Weather {
  int surface;
  int roll;
};

const std::map<std::string, Weather> kScenes = {
    {"fine", {1, 2}}, {"rain", {1, 5}}, {"lightning", {1, 5}}, {"dust", {2, 5}},
    {"snow", {3, 5}}, {"paused", {4, 3}}, {"locked", {1, 1}}};

// The played team of the "team" scenario, spread over the field.
void SetTeam(app::Program& program) {
  career::CareerRecord& career = program.Career;
  const FieldPoint positions[] = {{120, 60}, {210, 130}, {90, 200}, {260, 215}, {160, 290}, {330, 330}, {70, 360}};
  for (int slot = 1; slot <= 7; ++slot) {
    career.InPlay[slot] = 1;
    career.PlayerPos[slot] = positions[slot - 1];
    career.PlayerTarget[slot] = positions[slot - 1];
  }
  career.InPlay[3] = 0;
  career.GearLevel[6] = 0;
  career.Sprint[4] = 31;
  career.PlayerTarget[4] = {330, 190};
  career.AimPoint[4] = {560, 180};
  career.Firing[4] = 1;
  career.MatchOfStage = 1;
  career.WeatherAllowed = 2;
  career.Challenge = 2;
  program.Shared.SelectedPlayer = 4;
}

void SetField(match::MatchState& match) {
  const FieldPoint bunkers[] = {{200, 60},  {180, 330}, {300, 150}, {310, 270}, {400, 80},  {400, 210}, {400, 340},
                                {500, 150}, {490, 270}, {600, 60},  {600, 340}, {620, 200}, {700, 120}, {700, 290}};
  for (int n = 1; n <= match::kBunkerCount; ++n) {
    match.Bunkers[n] = bunkers[n - 1];
    match.BunkerKind[n] = 1 + n % 3;
  }
  const FieldPoint opponents[] = {{730, 65}, {650, 100}, {630, 150}, {570, 200}, {630, 300}, {650, 330}, {750, 350}};
  for (int i = 1; i <= 7; ++i) {
    match.OppPos[i] = opponents[i - 1];
    match.OppInPlay[i] = i != 6;
    match.OppVisible[i] = i % 3 != 0;
  }
  const FieldPoint balls[][2] = {{{300, 200}, {14, -3}}, {{420, 190}, {14, -3}}, {{610, 180}, {-15, 4}},
                                 {{520, 240}, {-15, -2}}, {{240, 100}, {15, 7}}};
  for (int k = 1; k <= 5; ++k) {
    match.Paintballs[k] = {balls[k - 1][0], k < 3 ? 4 : 11, balls[k - 1][1], 1};
  }
  match.FlagPos = {785, 240};
  match.MatchClock = 1473;
  match.PauseBudget = 734;
  match.PauseBudgetMax = 999;
}

void SetScene(app::Program& program, const std::string& scenario, const Weather& weather) {
  SetTeam(program);
  SetField(program.Match);
  match::MatchState& match = program.Match;
  program.Shared.Surface = weather.surface;
  match.WeatherRoll = weather.roll;
  match.WeatherText = weather.surface == 4 ? "Weather: Indoors" : "Weather: Fine";
  match.LightningTicks = scenario == "lightning" ? 4 : 0;
  match.Paused = scenario == "paused" ? 1 : 0;
  program.Shared.ResultClickLock = scenario == "locked" ? 40 : 0;
  match.OrderMode = scenario == "paused" ? 0 : 1;
  match.PointerPos = scenario == "paused" ? FieldPoint{470, 230} : FieldPoint{560, 140};
  match.PointerInField = 1;
}

}  // namespace

std::optional<gfx::Picture> MatchPicture(app::Program& program, const std::string& scenario) {
  const auto scene = kScenes.find(scenario);
  if (scene == kScenes.end()) return std::nullopt;
  SetScene(program, scenario, scene->second);
  match::MatchContext context = match::ContextOf(program);
  const match::MatchState& match = program.Match;
  const career::CareerRecord& career = program.Career;
  const world::SharedState& shared = program.Shared;
  const match::MatchPictures pictures = match::PicturesOf(program);
  // The second picture shows the storm's caption, which the first one's weather step sets.
  gfx::Canvas canvas(800, 600, &program.Fonts());
  for (int tick = 0; tick < 2; ++tick) {
    canvas = gfx::Canvas(800, 600, &program.Fonts());
    match::DrawField(match, shared, pictures, canvas);
    match::DrawTeamStrip(career, pictures, canvas);
    match::DrawCaptionLine(match, career, shared, canvas);
    match::DrawPanel(match, career, shared, pictures, canvas);
    match::DrawEndMarks(canvas);
    match::DrawFlag(match, canvas);
    match::TracePointerPath(program.Match, career, shared, canvas);
    match::DrawTiredFigures(match, career, shared, canvas);
    match::DrawPlayersAndBunkers(match, career, shared, program.Rng, canvas);
    match::DrawPaintballs(match, canvas);
    match::WeatherEffects(context, canvas);
    match::DrawPausedBanner(match, pictures, canvas);
  }
  return canvas.Image();
}

}  // namespace snapshot
