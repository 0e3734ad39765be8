#include "platform/desktop_main.h"

#include <SDL.h>

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "platform/sdl_host.h"

namespace platform {

namespace {

int Play(const CommandLine& line, const core::GameMaker& make_game) {
  // The game decides itself what closing the window means.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "Splatvane cannot start: %s\n", SDL_GetError());
    return 1;
  }
  if (const auto refused = RefusedVideoDriver(SDL_GetCurrentVideoDriver(), SDL_getenv("SDL_VIDEODRIVER") != nullptr,
                                               SDL_getenv("DISPLAY"), SDL_getenv("WAYLAND_DISPLAY"))) {
    std::fprintf(stderr, "%s\n", refused->c_str());
    SDL_Quit();
    return 1;
  }
  int status = 0;
  {
    SdlHost host(RunningProgramFolder(), line.scale, line.windowed);
    if (!host.Ready()) {
      status = 1;
    } else {
      const std::unique_ptr<core::Game> game = make_game(host);
      const std::string failed = game->Start();
      if (!failed.empty()) {
        std::fprintf(stderr, "%s: %s\n", core::kProgramTitle, failed.c_str());
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, core::kProgramTitle, failed.c_str(), nullptr);
        status = 1;
      } else {
        host.Run(*game);
      }
    }
  }
  SDL_Quit();
  return status;
}

}  // namespace

int PlayOnDesktop(int argc, char** argv, const core::GameMaker& make_game) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CommandLine line = ParseCommandLine(arguments);
  switch (line.action) {
    case CommandLine::Action::ShowHelp: std::fputs(HelpText().c_str(), stdout); return 0;
    case CommandLine::Action::ShowVersion: std::fputs(VersionText().c_str(), stdout); return 0;
    case CommandLine::Action::Refuse:
      std::fprintf(stderr, "%s\n", line.complaint.c_str());
      return kRefusedStatus;
    case CommandLine::Action::Play: break;
  }
  return Play(line, make_game);
}

}  // namespace platform
