// Renders screens of the game to PNG files, so that a person can look at them.
// usage: snapshot OUTPUT_FOLDER [SCREEN_NUMBER ...]   (run in the game folder)
// Each screen is shown alone on a fresh game whose title screen has started a new career.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fake_host.h"
#include "png_writer.h"
#include "shell/title_screen.h"

namespace {

std::vector<int> ChosenScreens(int argc, char** argv) {
  std::vector<int> chosen;
  for (int i = 2; i < argc; ++i) chosen.push_back(std::atoi(argv[i]));
  if (chosen.empty()) chosen = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19};
  return chosen;
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
  for (const int number : ChosenScreens(argc, argv)) {
    testing_support::Game game(true);
    game.host.program_folder = ".";
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
    if (number != 1) game.ShowOnly(*screen);
    game.Tick();
    game.Tick();
    const std::string path = folder + "/TForm" + std::to_string(number) + ".png";
    if (!screen->LastFrame() || !WritePng(*screen->LastFrame(), path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
      continue;
    }
    std::printf("%s\n", path.c_str());
  }
  return failures == 0 ? 0 : 1;
}
