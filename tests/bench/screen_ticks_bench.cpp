// The heaviest tick of every screen: each screen alone on a started game with every picture,
// in the scene that gives its tick the most to draw. One entry per screen; a screen that
// lands later adds its own entry in a file of its own.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "app/title_screen.h"
#include "help/help_screen.h"
#include "support/fake_host.h"
#include "support/match_end.h"
#include "team/recruitment_screen.h"
#include "team/team_building_screen.h"
#include "tour/travel_screen.h"
#include "tour/world_screen.h"
#include "training/training_state.h"

namespace {

using testing_support::Game;

// A new career started from the title screen, as a player would begin.
void StartNewCareer(Game& game) {
  game.program.Form1().TitleChoice = 1;
  game.Tick();
}

// Seven named players with faces, statistics and the pointer over a menu icon.
void PlayedTeam(Game& game) {
  career::CareerRecord& career = game.program.Career;
  for (int slot = 1; slot <= 7; ++slot) {
    career.PlayerName[slot].Set("MONTGOMERY");
    career.Portrait[slot] = slot * 3 - 2;
    career.GearLevel[slot] = 1 + slot % 6;
    career.TagsFor[slot] = 10 * slot;
  }
  career.Cash = 123456;
  game.program.Shared.HoverItem = 7;
}

void Nothing(Game&) {}

// The scene is set once; what must hold before every tick to keep it the heaviest, each time.
void TickAlone(benchmark::State& state, int screen_number, const std::function<void(Game&)>& scene,
               const std::function<void(Game&)>& before_each_tick = Nothing) {
  Game game(true);
  StartNewCareer(game);
  scene(game);
  for (core::Screen* screen : game.program.Screens()) {
    if (screen->Number() == screen_number) game.ShowOnly(*screen);
  }
  for (auto _ : state) {
    before_each_tick(game);
    game.Tick();
  }
}

void TitleClosing(Game& game) { game.program.Form1().TitleState = 4; }
void TypingAName(Game& game) {
  team::TForm2& building = game.program.Form2();
  building.Renaming = 1;
  building.NameBuffer = "KRISTAL";
  building.PortraitLoaded = 1;
  building.EditPortrait = 4;
}
void AsItOpens(Game&) {}
// The photo's wipe starts from the top: the most lines to draw.
void PhotoStillCovered(Game& game) { game.program.Form12().RevealRow = 0; }
void LongTopicInLargeWindow(Game& game) {
  game.host.client = {1280, 1024};
  for (const help::Topic& topic : help::kTopics) {
    const std::string file(topic.file);
    if (const auto bytes = gfx::ReadFileBytes(std::string(SPLATVANE_GAME_DIR) + "/" + file)) {
      game.host.files.files[file] = *bytes;
    }
  }
  game.program.Form13().LabelMouseDown(5);
}

void ViewingWales(Game& game) { game.program.Form5().ViewedCountry = 18; }
// Half way: the band, the airliner, the clouds and the scrolling names all on the picture.
void InFlight(Game& game) {
  game.program.Form10().PlaneX = 300;
  game.program.Form10().TravelBand = 400;
}
void WonMatchSheet(Game& game) {
  PlayedTeam(game);
  testing_support::LeaveMatch(game.program, testing_support::kWonMatch);
  testing_support::ShowResult(game.program, 3);
}
// Each mini-game in the middle of its run, kept there: the graph full, both duellists out, a
// ball in flight over the scope.
void SpeedRunHalfWay(Game& game) {
  training::SpeedRun& run = game.program.Training.Speed;
  run.Begin();
  for (int tick = 1; tick <= 499; ++tick) run.SpeedHistory[tick] = 200 + tick % 60;
  run.TrainTicks = 400;
}
void KeepRunning(Game& game) { game.program.Training.Speed.TrainTicks = 400; }
void DuelUnderFire(Game& game) {
  training::TagDuel& duel = game.program.Training.Duel;
  duel.Begin();
  duel.LeftState = duel.RightState = 2;
}
void KeepDuelling(Game& game) { game.program.Training.Duel.TrainTicks = 250; }
void BallInFlight(Game& game) {
  training::TargetRange& range = game.program.Training.Target;
  range.Begin(-7);
  range.BallFlight = 7;
}
void KeepBallFlying(Game& game) {
  game.program.Training.Target.BallFlight = 7;
  game.program.Training.Target.ShotsLeft = 6;
}

BENCHMARK_CAPTURE(TickAlone, TForm1_title_closing, 1, TitleClosing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm2_typing_a_name, 2, TypingAName)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm3_options, 3, AsItOpens)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm4_played_team, 4, PlayedTeam)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm6_gear, 6, AsItOpens)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm12_recruit_photo_covered, 12, PlayedTeam, PhotoStillCovered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm13_help_topic_1280x1024, 13, LongTopicInLargeWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm5_world_wales, 5, ViewingWales)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm7_lineup, 7, PlayedTeam)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm9_won_match_sheet, 9, WonMatchSheet)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm10_in_flight, 10, InFlight)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm11_victory, 11, AsItOpens)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm16_training_menu, 16, AsItOpens)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm17_speed_run, 17, SpeedRunHalfWay, KeepRunning)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm18_duel_under_fire, 18, DuelUnderFire, KeepDuelling)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickAlone, TForm19_ball_in_flight, 19, BallInFlight, KeepBallFlying)->Unit(benchmark::kMicrosecond);

}  // namespace
