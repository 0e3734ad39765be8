#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <filesystem>
#include <optional>

#include "app/program.h"
#include "app/title_screen.h"
#include "career/io_error.h"
#include "help/help_screen.h"
#include "platform/error_box.h"
#include "platform/sdl_host.h"

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
    StartAt({});
  }
  // The game in a window of its own at a scale.
  void StartAt(platform::ScaleChoice scale, bool windowed = false) {
    program.reset();
    host.reset();
    host.emplace(SPLATVANE_GAME_DIR, scale, windowed);
    ASSERT_TRUE(host->Ready());
    program.emplace(*host);
    ASSERT_EQ(program->Start(), "");
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
  // The window pixel that shows a pixel of the picture, the first of the window pixels whose
  // centres lie in it.
  gfx::Point OnWindow(int picture_x, int picture_y) const {
    const platform::Scaling& scale = host->Scale();
    const core::WindowSize area = host->ClientSize();
    const auto first = [](double edge) { return static_cast<int>(std::ceil(edge - 0.5)); };
    return {first(scale.WindowX(area.width / 2 - 400 + picture_x)), first(scale.WindowY(area.height / 2 - 300 + picture_y))};
  }
  void Click(gfx::Point at) {
    PushMouse(SDL_MOUSEBUTTONDOWN, at.x, at.y);
    PushMouse(SDL_MOUSEBUTTONUP, at.x, at.y);
  }
  // A left click near the picture's top-left corner.
  void ClickPicture() { Click(OnWindow(10, 10)); }
  void PressKey(SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
    SDL_Event press{};
    press.type = SDL_KEYDOWN;
    press.key.keysym.sym = key;
    press.key.keysym.mod = modifiers;
    SDL_PushEvent(&press);
  }
  core::WindowSize WindowSize() const {
    core::WindowSize size;
    SDL_GetWindowSize(host->Window(), &size.width, &size.height);
    return size;
  }

  std::optional<platform::SdlHost> host;
  std::optional<app::Program> program;

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
    const int clicks = program->Sounds.PlayRequests(core::Sound::Click);
    const gfx::Point at = OnWindow(500, 500);
    PushMouse(SDL_MOUSEBUTTONDOWN, at.x, at.y, button);
    ASSERT_TRUE(host->RunOnce(*program));
    EXPECT_EQ(program->Sounds.PlayRequests(core::Sound::Click), clicks + 1) << int{button};
  }
}

// Where the player sees the picture's edge, a click lands on it: fitted to the display at
// 1.28, and at twice the scale in a window large enough for it. The error box takes its OK
// where it shows it.
TEST_F(Platform, ClicksLandWhereThePlayerSeesThem) {
  for (const bool fitted : {true, false}) {
    SCOPED_TRACE(fitted ? "fitted" : "twice");
    if (fitted) {
      StartAt({});
      EXPECT_DOUBLE_EQ(host->Scale().Factor(), 1.28) << "the offscreen display is 1024 x 768";
    } else {
      StartAt({platform::ScaleChoice::Kind::Whole, 2}, true);
      SDL_SetWindowSize(host->Window(), 1700, 1300);
      RunFor(1);
      EXPECT_DOUBLE_EQ(host->Scale().Factor(), 2.0);
      EXPECT_EQ(host->ClientSize().width, 850);
      EXPECT_EQ(host->ClientSize().height, 650);
    }
    RunFor(3);
    // The title's input picture ends at 793 x 593: a press on the first window row below
    // it is outside, one on its last row inside.
    const gfx::Point last_row = OnWindow(700, 592), below = OnWindow(700, 593);
    Click({below.x, below.y});
    ASSERT_TRUE(host->RunOnce(*program));
    EXPECT_EQ(program->Form1().TitleState, 1);
    Click({last_row.x, below.y - 1});
    ASSERT_TRUE(host->RunOnce(*program));
    EXPECT_EQ(program->Form1().TitleState, 2);

    const std::string text = "Cannot open file datarecord.dat.";
    program->ReportError(text);
    ASSERT_TRUE(host->ErrorShowing());
    gfx::FontLibrary fonts;
    ASSERT_EQ(fonts.LoadFrom(std::string(SPLATVANE_GAME_DIR) + "/fonts"), "");
    platform::ErrorBox same(fonts);
    same.Open(core::kProgramTitle, text);
    const gfx::Point box = same.PlaceIn(host->ClientSize().width, host->ClientSize().height);
    const gfx::Point ok{box.x + same.Image().Width() / 2, box.y + same.Image().Height() - 20};
    Click(ok);  // where OK would be unscaled
    ASSERT_TRUE(host->RunOnce(*program));
    EXPECT_TRUE(host->ErrorShowing());
    const auto shown = [&](int game) { return static_cast<int>(std::ceil(host->Scale().WindowX(game) - 0.5)); };
    const auto shown_y = [&](int game) { return static_cast<int>(std::ceil(host->Scale().WindowY(game) - 0.5)); };
    Click({shown(ok.x), shown_y(ok.y)});
    ASSERT_TRUE(host->RunOnce(*program));
    EXPECT_FALSE(host->ErrorShowing());
  }
}

// F11 and Alt+Enter switch between the whole display and a window of three quarters of it,
// at any moment: the screen, its clock and an open error box go on across the switch, and
// neither key reaches the box or the game.
TEST_F(Platform, F11AndAltEnterSwitchBetweenTheDisplayAndAWindow) {
  SDL_Rect display{};
  ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
  EXPECT_FALSE(host->Windowed());
  EXPECT_EQ(WindowSize().width, display.w);
  program->ReportError("Disk full.");
  ASSERT_TRUE(host->ErrorShowing());
  const std::uint64_t before = program->Now();

  PressKey(SDLK_F11);
  RunFor(12);
  EXPECT_TRUE(host->Windowed());
  EXPECT_EQ(WindowSize().width, display.w * 3 / 4);
  EXPECT_EQ(WindowSize().height, display.h * 3 / 4);
  EXPECT_DOUBLE_EQ(host->Scale().Factor(), 0.96) << "fitted to the window";
  EXPECT_EQ(host->ClientSize().width, 800);
  EXPECT_TRUE(host->ErrorShowing());
  EXPECT_GT(program->Now(), before + 100) << "the game ran on";
  EXPECT_TRUE(program->Form1().Visible());

  PressKey(SDLK_RETURN, KMOD_LALT);
  RunFor(2);
  EXPECT_FALSE(host->Windowed());
  EXPECT_EQ(WindowSize().width, display.w);
  EXPECT_EQ(WindowSize().height, display.h);
  EXPECT_TRUE(host->ErrorShowing()) << "Alt+Enter is not the box's Enter";
  PressKey(SDLK_RETURN);
  ASSERT_TRUE(host->RunOnce(*program));
  EXPECT_FALSE(host->ErrorShowing());
}

// A window the player asked for closes as the title's normal window does: the game ends, on
// whichever screen. Over the whole display closing only hides the screen shown.
TEST_F(Platform, TheCloseButtonOfTheWindowEndsTheGame) {
  for (const bool windowed : {false, true}) {
    StartAt({}, windowed);
    program->SwitchScreen(program->Form1(), program->Form13());
    ASSERT_TRUE(host->RunOnce(*program));
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(host->Window());
    SDL_PushEvent(&close);
    EXPECT_EQ(host->RunOnce(*program), !windowed) << (windowed ? "windowed" : "whole display");
  }
}

// A whole scale larger than the display gives way to the largest that fits.
TEST_F(Platform, AScaleTooLargeForTheDisplayIsNeverCropped) {
  StartAt({platform::ScaleChoice::Kind::Whole, 16});
  EXPECT_DOUBLE_EQ(host->Scale().Factor(), 1.0);
  SDL_Rect display{};
  ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
  EXPECT_EQ(host->ClientSize().width, display.w);
}

// With no display SDL would fall back to drivers that show nothing, and the game would run
// unseen until killed: it says why and ends instead.
TEST(NoDisplay, TheGameSaysThereIsNoDisplayAndEnds) {
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 20 " +
                              std::string(SPLATVANE_GAME_DIR) + "/splatvane 2>&1";
  FILE* output = popen(command.c_str(), "r");
  ASSERT_NE(output, nullptr);
  std::string said;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, output)) said += buffer;
  const int status = pclose(output);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1) << said;
  EXPECT_NE(said.find("neither DISPLAY nor WAYLAND_DISPLAY is set"), std::string::npos) << said;
}
