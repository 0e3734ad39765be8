#include <SDL.h>

#include <cstdio>

#include "platform/sdl_host.h"
#include "shell/program.h"

int main(int, char**) {
  // The game decides itself what closing the window means.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "Splatvane cannot start: %s\n", SDL_GetError());
    return 1;
  }
  int status = 0;
  {
    platform::SdlHost host(platform::RunningProgramFolder());
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
