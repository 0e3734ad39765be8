#include <SDL.h>

#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "platform/sdl_host.h"
#include "shell/program.h"

namespace {

int Play(const platform::CommandLine& line) {
  // The game decides itself what closing the window means.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "Splatvane cannot start: %s\n", SDL_GetError());
    return 1;
  }
  if (const auto refused = platform::RefusedVideoDriver(SDL_GetCurrentVideoDriver(), SDL_getenv("SDL_VIDEODRIVER") != nullptr,
                                                        SDL_getenv("DISPLAY"), SDL_getenv("WAYLAND_DISPLAY"))) {
    std::fprintf(stderr, "%s\n", refused->c_str());
    SDL_Quit();
    return 1;
  }
  int status = 0;
  {
    platform::SdlHost host(platform::RunningProgramFolder(), line.scale, line.windowed);
    if (!host.Ready()) {
      status = 1;
    } else {
      shell::Program program(host);
      const std::string failed = program.Start();
      if (!failed.empty()) {
        std::fprintf(stderr, "%s: %s\n", shell::kProgramTitle, failed.c_str());
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, shell::kProgramTitle, failed.c_str(), nullptr);
        status = 1;
      } else {
        host.Run(program);
      }
    }
  }
  SDL_Quit();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const platform::CommandLine line = platform::ParseCommandLine(arguments);
  switch (line.action) {
    case platform::CommandLine::Action::ShowHelp: std::fputs(platform::HelpText().c_str(), stdout); return 0;
    case platform::CommandLine::Action::ShowVersion: std::fputs(platform::VersionText().c_str(), stdout); return 0;
    case platform::CommandLine::Action::Refuse:
      std::fprintf(stderr, "%s\n", line.complaint.c_str());
      return platform::kRefusedStatus;
    case platform::CommandLine::Action::Play: break;
  }
  return Play(line);
}
