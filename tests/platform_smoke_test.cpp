#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>

#include "platform/sdl_host.h"
#include "shell/program.h"
#include "shell/title_screen.h"

namespace {

void PushMouse(Uint32 type, int x, int y) {
  SDL_Event event{};
  event.type = type;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
}

}  // namespace

TEST(Platform, TheRealWindowStartsTakesAClickAndQuits) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(SPLATVANE_GAME_DIR);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS), 0) << SDL_GetError();
  {
    platform::SdlHost host(SPLATVANE_GAME_DIR);
    ASSERT_TRUE(host.Ready());
    shell::Program program(host);
    ASSERT_EQ(program.Start(), "");
    for (int i = 0; i < 15; ++i) {
      ASSERT_TRUE(host.RunOnce(program));
      SDL_Delay(10);
    }
    const shell::WindowSize size = host.ClientSize();
    const int left = size.width / 2 - 400, top = size.height / 2 - 300;
    PushMouse(SDL_MOUSEBUTTONDOWN, left + 10, top + 10);
    PushMouse(SDL_MOUSEBUTTONUP, left + 10, top + 10);
    ASSERT_TRUE(host.RunOnce(program));
    EXPECT_EQ(program.Form1().TitleState, 2);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_FALSE(host.RunOnce(program));
  }
  SDL_Quit();
  std::filesystem::current_path(before);
}
