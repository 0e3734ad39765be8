#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "career/io_error.h"
#include "platform/sdl_host.h"
#include "shell/program.h"
#include "shell/title_screen.h"

namespace {

void PushMouse(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
  SDL_Event event{};
  event.type = type;
  event.button.button = button;
  event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
}

}  // namespace

// The real window under SDL's offscreen and dummy drivers, started in the game folder.
class Platform : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::filesystem::current_path(SPLATVANE_GAME_DIR);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS), 0) << SDL_GetError();
    host.emplace(SPLATVANE_GAME_DIR);
    ASSERT_TRUE(host->Ready());
    program.emplace(*host);
    ASSERT_EQ(program->Start(), "");
    const shell::WindowSize size = host->ClientSize();
    left = size.width / 2 - 400;
    top = size.height / 2 - 300;
  }
  void TearDown() override {
    program.reset();
    host.reset();
    SDL_Quit();
    std::filesystem::current_path(before_);
  }
  void RunFor(int rounds) {
    for (int i = 0; i < rounds; ++i) {
      ASSERT_TRUE(host->RunOnce(*program));
      SDL_Delay(10);
    }
  }
  // A left click near the picture's top-left corner.
  void ClickPicture() {
    PushMouse(SDL_MOUSEBUTTONDOWN, left + 10, top + 10);
    PushMouse(SDL_MOUSEBUTTONUP, left + 10, top + 10);
  }

  std::optional<platform::SdlHost> host;
  std::optional<shell::Program> program;
  int left = 0, top = 0;

 private:
  std::filesystem::path before_ = std::filesystem::current_path();
};

TEST_F(Platform, TheRealWindowStartsTakesAClickAndQuits) {
  RunFor(15);
  ClickPicture();
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_EQ(program->Form1().TitleState, 2);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  EXPECT_FALSE(host->RunOnce(*program));
}

// An error box in the window waits for OK while the game ticks on behind it, and no click
// reaches the game until the box is gone.
TEST_F(Platform, TheGameRunsOnBehindTheErrorBox) {
  program->Guarded([] { throw career::IoError(2); });
  ASSERT_TRUE(host->ErrorShowing());
  const std::uint64_t opened = program->Now();
  ClickPicture();
  RunFor(15);
  EXPECT_GT(program->Now(), opened + 100);
  EXPECT_EQ(program->Form1().TitleState, 1);
  SDL_Event enter{};
  enter.type = SDL_KEYDOWN;
  enter.key.keysym.sym = SDLK_RETURN;
  SDL_PushEvent(&enter);
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_FALSE(host->ErrorShowing());
  ClickPicture();
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_EQ(program->Form1().TitleState, 2);
}

// The mouse's side buttons press as any other button does: on the title's menu, a press in
// the button column below the buttons only clicks.
TEST_F(Platform, SideMouseButtonsPressLikeAnyOther) {
  program->Form1().TitleState = 3;
  for (const Uint8 button : {SDL_BUTTON_X1, SDL_BUTTON_X2}) {
    const int clicks = program->Sounds.PlayRequests(shell::Sound::Click);
    PushMouse(SDL_MOUSEBUTTONDOWN, left + 500, top + 500, button);
    ASSERT_TRUE(host->RunOnce(*program));
    EXPECT_EQ(program->Sounds.PlayRequests(shell::Sound::Click), clicks + 1) << int{button};
  }
}
