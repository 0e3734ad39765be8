// Renders screens of the game to PNG files, so that a person can look at them.
// usage: snapshot OUTPUT_FOLDER [SCREEN_NUMBER ...]   (run in the game folder)
// Each screen is shown alone on a fresh game whose title screen has started a new career.
// A scenario name after the number, as in 13:topic, sets the scene first (see Scenarios).
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/headless_game.h"
#include "app/title_screen.h"
#include "finished_match.h"
#include "help/help_screen.h"
#include "match_scenes.h"
#include "png_writer.h"
#include "team/recruitment_screen.h"
#include "team/team_building_screen.h"
#include "tour/next_match_screen.h"
#include "tour/travel_screen.h"
#include "tour/world_screen.h"
#include "training/training_state.h"

namespace {

struct Shot {
  int number;
  std::string scenario;
};

std::vector<Shot> ChosenScreens(int argc, char** argv) {
  std::vector<Shot> chosen;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const std::size_t colon = argument.find(':');
    chosen.push_back({std::atoi(argument.c_str()), colon == std::string::npos ? "" : argument.substr(colon + 1)});
  }
  if (chosen.empty()) {
    for (const int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19}) chosen.push_back({number, ""});
  }
  // A match draws nothing until it is played: on its own it is shown in play.
  for (Shot& shot : chosen) {
    if (shot.number == 8 && shot.scenario.empty()) shot.scenario = "match";
  }
  return chosen;
}

// Scenarios: "team" a played team with a recruit hired and the pointer over a menu icon;
// "topic" the help screen in a 1024 x 768 window with a topic loaded and scrolled down;
// "credits", "menu" and "closing" the title screen's later pictures; "keyboard" team building
// with a name half typed on the on-screen keyboard and a face chosen; "recruit" the played team
// on the recruitment screen with the recruit's photo wholly uncovered. Screen 8 takes the
// match scenarios of match_scenes.h.

// The flight: "start" as the team page sets it off, "flight" half way, "rest" when it has
// come to rest; "mexico" the played team's line-up for a match in Mexico.
void PlayedTeam(app::Program& program) {
  career::CareerRecord& career = program.Career;
  const char* names[] = {"AARON", "SERENA", "KRISTAL", "MONTGOMERY", "ZIM", "HENRIETTA", "PAVEL"};
  for (int slot = 1; slot <= 7; ++slot) {
    career.PlayerName[slot].Set(names[slot - 1]);
    career.Portrait[slot] = slot == 2 ? -1 : slot * 3 - 2;
    career.Speed[slot] = 10 + slot;
    career.Endurance[slot] = 18 - slot;
    career.Agility[slot] = 12 + slot % 3;
    career.Accuracy[slot] = 20 - slot % 4;
    career.Paint[slot] = 100 + 10 * slot;
    career.GearLevel[slot] = 1 + slot % 6;
    career.TagsFor[slot] = 3 * slot;
    career.TagsAgainst[slot] = slot;
    career.FlagPulls[slot] = slot % 3;
    career.FlagHangs[slot] = slot % 2;
  }
  career.RecruitHired[1] = 1;
  career.Cash = 6250;
  career.Wins = 5;
  career.Losses = 2;
  career.TechLevel = 2;
  career.HomeCountry = 14;
  career.TourStage = 4;
  program.Shared.SelectedPlayer = 2;
  program.Shared.HoverItem = 4;
}

// The tour's scenes: "win", "loss" and "draw" a played team's result sheet after such a match
// (the win improved the third player); "wales", "canada" and "japan" the world screen
// viewing that country.
void SetTourScene(app::Program& program, const std::string& scenario) {
  using snapshot::MatchOutcome;
  const struct { const char* name; MatchOutcome outcome; int improved; } results[] = {
      {"win", {5, 1, true, true, 1240}, 3}, {"loss", {2, 4, true, false, 0}, 12}, {"draw", {7, 7, false, false, 610}, 0}};
  for (const auto& result : results) {
    if (scenario != result.name) continue;
    PlayedTeam(program);
    snapshot::LeaveMatch(program, result.outcome);
    program.Shared.ImprovedPlayer = result.improved;
    program.Shared.ResultFrame = 7;
  }
  const struct { const char* name; int country; } countries[] = {{"wales", 18}, {"canada", 4}, {"japan", 11}};
  for (const auto& country : countries) {
    if (scenario != country.name) continue;
    PlayedTeam(program);
    program.Form5().ViewedCountry = country.country;
  }
}

// The mini-games start as the training menu starts them; "running" a speed run 32 seconds
// in, "duel" a tag duel with the trainee leaning left into fire, "flying" a ball in the air
// over the target after four landings.
void StartTraining(app::Program& program, int number) {
  if (number == 17) program.Training.Speed.Begin();
  if (number == 18) program.Training.Duel.Begin();
  if (number == 19) program.Training.Target.Begin(-7);
}

void PlayTraining(app::Program& program, const std::string& scenario) {
  training::TrainingState& training = program.Training;
  if (scenario == "running") {
    for (int tick = 1; tick <= 320; ++tick) training.Speed.SpeedHistory[tick] = tick < 60 ? tick * 4 : 230 + (tick * 37) % 41;
    training.Speed.TrainTicks = 320;
    training.Speed.RunSpeed = 244;
    training.Speed.RunFrame = 4;
  }
  if (scenario == "duel") {
    training.Duel.AimSide = 1;
    training.Duel.LeftState = 2;
    training.Duel.RightState = 1;
    training.Duel.HitsLeft = 7;
    training.Duel.HitsRight = 5;
    training.Duel.TimesHit = 3;
    training.Duel.DuelPaint = 31;
    training.Duel.CoverMeter = 180;
    training.Duel.TrainTicks = 260;
  }
  if (scenario == "flying") {
    training.Target.AimX = -150;
    training.Target.AimY = -90;
    training.Target.ShotsLeft = 6;
    training.Target.ShootScore = 28;
    training.Target.BallFlight = 7;
    training.Target.BallX = 148;
    training.Target.BallY = 131;
    training.Target.ReloadTicks = 17;
  }
}

// "match": PLAY pressed on the line-up, play resumed, player 4 sent up the field and three
// ticks run with the pointer over the field.
void PlayedMatch(app::HeadlessGame& game) {
  game.program.Career.WeatherAllowed = 1;
  game.ShowOnly(game.program.Form7());
  game.Press(765, 500);
  game.Press(675, 500);
  game.Move(300, 250);
  game.Press(300, 250);
  for (int tick = 0; tick < 30; ++tick) game.Tick();
  game.Move(500, 120);
}

void SetScene(app::HeadlessGame& game, const std::string& scenario) {
  SetTourScene(game.program, scenario);
  PlayTraining(game.program, scenario);
  if (scenario == "team") PlayedTeam(game.program);
  if (scenario == "topic") {
    game.host.client = {1024, 768};
    for (const help::Topic& topic : help::kTopics) {
      const std::string file(topic.file);
      if (const auto bytes = gfx::ReadFileBytes(file)) game.host.files.files[file] = *bytes;
    }
    game.program.Form13().LabelMouseDown(5);
    game.program.Form13().Memo1.Wheel(-2);
  }
  if (scenario == "recruit") {
    PlayedTeam(game.program);
    game.program.Form12().RevealRow = 600;  // the photo wholly uncovered
  }
  if (scenario == "credits") game.program.Form1().TitleState = 2;
  if (scenario == "menu") game.program.Form1().TitleState = 3;
  if (scenario == "closing") game.program.Form1().TitleState = 4;
  if (scenario == "keyboard") {
    team::TForm2& building = game.program.Form2();
    building.Renaming = 1;
    building.NameBuffer = "KRISTAL";
    building.KeyCount = 7;
    building.PortraitLoaded = 1;
    building.EditPortrait = 4;
    game.program.Career.Portrait[1] = 4;
  }
  tour::TForm10& travel = game.program.Form10();
  const auto set_flight = [&travel](int plane_x, int band) {
    travel.PlaneX = plane_x;
    travel.TravelBand = band;
  };
  if (scenario == "start") set_flight(-500, 0);
  if (scenario == "flight") set_flight(300, 400);
  if (scenario == "rest") set_flight(tour::kPlaneLastX, tour::kTravelBandLast);
  if (scenario == "mexico") {
    PlayedTeam(game.program);
    game.program.Career.TourStage = 12;
  }
  if (scenario == "match") PlayedMatch(game);
}

core::Screen* ScreenNumbered(app::Program& program, int number) {
  for (core::Screen* screen : program.Screens()) {
    if (screen->Number() == number) return screen;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: snapshot OUTPUT_FOLDER [SCREEN_NUMBER ...]\n");
    return 2;
  }
  const std::string folder = argv[1];
  int failures = 0;
  for (const auto& [number, scenario] : ChosenScreens(argc, argv)) {
    app::HeadlessGame game(SPLATVANE_GAME_DIR, true);
    game.host.program_folder = std::string(".");  // not from a literal: GCC 12 at -O3 warns falsely
    if (number != 1) {
      game.program.Form1().TitleChoice = 1;
      game.Tick();
    }
    core::Screen* screen = ScreenNumbered(game.program, number);
    if (!screen) {
      std::fprintf(stderr, "no screen %d\n", number);
      ++failures;
      continue;
    }
    StartTraining(game.program, number);
    SetScene(game, scenario);
    if (number != 1) game.ShowOnly(*screen);
    game.Tick();
    game.Tick();
    const std::string path =
        folder + "/TForm" + std::to_string(number) + (scenario.empty() ? "" : "-" + scenario) + ".png";
    // The match's scenarios are composed from its drawing calls, without its tick.
    std::optional<gfx::Picture> match_picture;
    if (number == 8) {
      PlayedTeam(game.program);
      match_picture = snapshot::MatchPicture(game.program, scenario);
    }
    const gfx::Picture* picture = match_picture ? &*match_picture : screen->LastFrame() ? &*screen->LastFrame() : nullptr;
    if (!picture || !WritePng(*picture, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
      continue;
    }
    std::printf("%s\n", path.c_str());
  }
  return failures == 0 ? 0 : 1;
}
