#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "career/io_error.h"
#include "platform/error_box.h"
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
    StartAt(std::nullopt);
  }
  // The game in a window of its own at a scale, the picture's corner in window pixels.
  void StartAt(std::optional<int> scale) {
    program.reset();
    host.reset();
    host.emplace(SPLATVANE_GAME_DIR, scale);
    ASSERT_TRUE(host->Ready());
    program.emplace(*host);
    ASSERT_EQ(program->Start(), "");
    const shell::WindowSize size = host->ClientSize();
    left = (size.width / 2 - 400) * host->Scale();
    top = (size.height / 2 - 300) * host->Scale();
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

// At twice the scale the game is given half the window each way, and the player's clicks
// reach it where they see the picture and the error box.
TEST_F(Platform, AtTwiceTheScaleClicksLandWhereThePlayerSeesThem) {
  StartAt(2);
  SDL_Rect display{};
  ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
  EXPECT_EQ(host->ClientSize().width, display.w / 2);
  EXPECT_EQ(host->ClientSize().height, display.h / 2);
  RunFor(3);
  // Game pixel (700, 590) of the picture: inside the title's input picture, which ends at
  // 793 x 593; (700, 596) is outside it, and so is the first window row below it.
  PushMouse(SDL_MOUSEBUTTONDOWN, left + 1401, top + 2 * 596);
  PushMouse(SDL_MOUSEBUTTONUP, left + 1401, top + 2 * 596);
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_EQ(program->Form1().TitleState, 1);
  PushMouse(SDL_MOUSEBUTTONDOWN, left + 1401, top + 2 * 590 + 1);
  PushMouse(SDL_MOUSEBUTTONUP, left + 1401, top + 2 * 590 + 1);
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_EQ(program->Form1().TitleState, 2);

  const std::string text = "Cannot open file datarecord.dat.";
  program->ReportError(text);
  ASSERT_TRUE(host->ErrorShowing());
  gfx::FontLibrary fonts;
  ASSERT_EQ(fonts.LoadFrom(std::string(SPLATVANE_GAME_DIR) + "/fonts"), "");
  platform::ErrorBox same(fonts);
  same.Open(shell::kProgramTitle, text);
  const gfx::Point box = same.PlaceIn(host->ClientSize().width, host->ClientSize().height);
  const gfx::Point ok{box.x + same.Image().Width() / 2, box.y + same.Image().Height() - 20};
  PushMouse(SDL_MOUSEBUTTONDOWN, ok.x, ok.y);  // where OK would be unscaled
  PushMouse(SDL_MOUSEBUTTONUP, ok.x, ok.y);
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_TRUE(host->ErrorShowing());
  PushMouse(SDL_MOUSEBUTTONDOWN, 2 * ok.x, 2 * ok.y);
  PushMouse(SDL_MOUSEBUTTONUP, 2 * ok.x + 1, 2 * ok.y + 1);
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_FALSE(host->ErrorShowing());
}
