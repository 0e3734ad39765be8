// The real program on SDL's offscreen and dummy drivers, run in the game folder: start-up,
// a new career, then every screen shown alone for a few ticks, then a whole match from PLAY to
// its result sheet. Prints, in kB, the process's
// peak resident memory, and the program's own memory: the anonymous pages (heap and stacks,
// no shared libraries or mapped files) it holds at the end beyond those that SDL's window
// took before the game started: "PEAK_RESIDENT OWN".
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/program.h"
#include "app/title_screen.h"
#include "match/match_screen.h"
#include "platform/sdl_host.h"
#include "tour/next_match_screen.h"
#include "tour/result_screen.h"

namespace {

long StatusKb(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::atol(line.c_str() + field.size() + 1);
  }
  return -1;
}

class Player {
 public:
  Player(platform::SdlHost& host, app::Program& program) : host_(host), program_(program), now_(host.NowMs()) {}

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      now_ += 100;
      program_.Advance(now_);
      host_.RunOnce(program_);
    }
  }

  // PLAY on the line-up, the pause button once to start, then ticks until the result sheet.
  void WholeMatch() {
    ShowAlone(program_.Form7());
    Ticks(1);
    program_.Form7().Image1MouseDown(core::MouseButton::Left, 765, 500);
    program_.Form8().Image1MouseDown(core::MouseButton::Left, 675, 500);
    for (int tick = 0; tick < 2600 && !program_.Form9().Visible(); ++tick) Ticks(1);
  }

  void ShowAlone(core::Screen& screen) {
    for (core::Screen* other : program_.Screens()) {
      other->Hide();
      program_.DisableTick(*other);
    }
    screen.Show();
    program_.EnableTick(screen);
  }

 private:
  platform::SdlHost& host_;
  app::Program& program_;
  std::uint64_t now_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string game_folder = argc > 1 ? argv[1] : SPLATVANE_GAME_DIR;
  if (chdir(game_folder.c_str()) != 0) {
    std::fprintf(stderr, "cannot enter the game folder %s\n", game_folder.c_str());
    return 1;
  }
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) return 1;
  int status = 0;
  {
    platform::SdlHost host(game_folder);
    const long window_kb = StatusKb("RssAnon");
    app::Program program(host);
    const std::string failed = host.Ready() ? program.Start() : "no window";
    if (!failed.empty()) {
      std::fprintf(stderr, "%s\n", failed.c_str());
      status = 1;
    } else {
      Player player(host, program);
      program.Form1().TitleChoice = 1;
      player.Ticks(2);
      for (core::Screen* screen : program.Screens()) {
        player.ShowAlone(*screen);
        player.Ticks(3);
      }
      player.WholeMatch();
      std::printf("%ld %ld\n", StatusKb("VmHWM"), StatusKb("RssAnon") - window_kb);
    }
  }
  SDL_Quit();
  return status;
}
