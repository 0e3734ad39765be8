// Renders screens of the game to PNG files, so that a person can look at them.
// usage: snapshot OUTPUT_FOLDER [SCREEN_NUMBER ...]   (run in the game folder)
// Each screen is shown alone on a fresh game whose title screen has started a new career.
// A scenario name after the number, as in 13:topic, sets the scene first (see Scenarios).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fake_host.h"
#include "png_writer.h"
#include "help/help_screen.h"
#include "shell/title_screen.h"
#include "team/recruitment_screen.h"
#include "team/team_building_screen.h"

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
  return chosen;
}

// Scenarios: "team" a played team with a recruit hired and the pointer over a menu icon;
// "topic" the help screen in a 1024 x 768 window with a topic loaded and scrolled down;
// "credits", "menu" and "closing" the title screen's later pictures; "keyboard" team building
// with a name half typed on the on-screen keyboard and a face chosen; "recruit" the played team
// on the recruitment screen with the recruit's photo wholly uncovered.
void PlayedTeam(shell::Program& program) {
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

void SetScene(testing_support::Game& game, const std::string& scenario) {
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
}

shell::Screen* ScreenNumbered(shell::Program& program, int number) {
  for (shell::Screen* screen : program.Screens()) {
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
    testing_support::Game game(true);
    game.host.program_folder = std::string(".");  // not from a literal: GCC 12 at -O3 warns falsely
    if (number != 1) {
      game.program.Form1().TitleChoice = 1;
      game.Tick();
    }
    shell::Screen* screen = ScreenNumbered(game.program, number);
    if (!screen) {
      std::fprintf(stderr, "no screen %d\n", number);
      ++failures;
      continue;
    }
    SetScene(game, scenario);
    if (number != 1) game.ShowOnly(*screen);
    game.Tick();
    game.Tick();
    const std::string path =
        folder + "/TForm" + std::to_string(number) + (scenario.empty() ? "" : "-" + scenario) + ".png";
    if (!screen->LastFrame() || !WritePng(*screen->LastFrame(), path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
      continue;
    }
    std::printf("%s\n", path.c_str());
  }
  return failures == 0 ? 0 : 1;
}
