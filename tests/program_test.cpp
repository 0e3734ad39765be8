#include <gtest/gtest.h>

#include "app/title_screen.h"
#include "career/io_error.h"
#include "support/fake_host.h"
#include "team/team_page.h"
#include "tour/result_screen.h"
#include "tour/travel_screen.h"
#include "training/speed_training.h"

using core::MouseButton;
using testing_support::Game;

namespace {

// Records every press, click and release that reaches a screen.
struct InputProbe : core::Screen {
  explicit InputProbe(app::Program& program) : Screen(program, 99, "probe") { Show(); }
  std::vector<std::string> seen;
  void InputMouseDown(MouseButton, int x, int y) override { seen.push_back("down " + At(x, y)); }
  void InputClick(int x, int y) override { seen.push_back("click " + At(x, y)); }
  void InputMouseUp(MouseButton, int x, int y) override { seen.push_back("up " + At(x, y)); }
  static std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

}  // namespace

TEST(Program, CreatesTheSeventeenScreensInOrderWithTheirCaptionsAndInputPictures) {
  Game game;
  const auto& screens = game.program.Screens();
  ASSERT_EQ(screens.size(), 17u);
  const int numbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19};
  const char* captions[] = {"Splatvane", "Build Your Team", "Options Screen", "Team Page", "World", "Gear Page",
                            "Next Match", "Game On", "Form9", "Form10", "Victory Screen (Form11)", "Form12",
                            "Form13", "Form16", "Form17", "Form18", "Form19"};
  for (std::size_t i = 0; i < screens.size(); ++i) {
    EXPECT_EQ(screens[i]->Number(), numbers[i]);
    EXPECT_EQ(screens[i]->Caption(), captions[i]);
    const bool ticking = numbers[i] == 1 || numbers[i] == 11;
    EXPECT_EQ(screens[i]->Timer1.Enabled, ticking) << captions[i];
    EXPECT_EQ(screens[i]->Visible(), numbers[i] == 1) << captions[i];
  }
  EXPECT_EQ(game.program.Form1().Input().Height, 593);
  EXPECT_EQ(game.program.Form9().Input().Height, 593);
  EXPECT_EQ(game.program.Form10().Input().Width, 801);
  EXPECT_EQ(game.program.Form4().Input().Width, 793);
  EXPECT_EQ(game.program.Form4().Input().Height, 585);
  EXPECT_EQ(game.host.caption, "Splatvane");
}

// Routes like the program does, with the window's picture at the given corner.
struct Routed {
  InputProbe& probe;
  core::InputRouter router;
  core::InputRouter::Origin origin;
  static void Run(const std::function<void()>& handler) { handler(); }
  void Down(int x, int y, MouseButton button = MouseButton::Left) { router.MouseDown(probe, origin, x, y, button, Run); }
  void Up(int x, int y, MouseButton button = MouseButton::Left) { router.MouseUp(&probe, origin, x, y, button, Run); }
  void Click(int x, int y, MouseButton button = MouseButton::Left) {
    Down(x, y, button);
    Up(x, y, button);
  }
};

TEST(Program, ThePictureSitsCentredOnALargeWindowAndCutOffOnASmallOne) {
  Game game;
  game.host.client = {1024, 768};
  game.ShowOnly(game.program.Form4());
  game.Tick();
  EXPECT_EQ(game.host.frame_left, 112);
  EXPECT_EQ(game.host.frame_top, 84);
  game.host.client = {640, 480};
  game.Tick();
  EXPECT_EQ(game.host.frame_left, -80);
  EXPECT_EQ(game.host.frame_top, -60);
  game.host.client = {800, 600};
  game.Tick();
  EXPECT_EQ(game.host.frame_left, 0);
  ASSERT_TRUE(game.host.frame);
  EXPECT_EQ(game.host.frame->Width(), 800);
}

TEST(Program, ClicksArriveInPictureCoordinatesWhereverThePictureSits) {
  Game game;
  InputProbe probe(game.program);
  Routed routed{probe, {}, {112, 84}};
  routed.Click(112, 84, MouseButton::Right);
  routed.Click(112 + 792, 84 + 584);
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"down 0,0", "up 0,0", "down 792,584", "click 792,584", "up 792,584"}));
  probe.seen.clear();
  Routed cut{probe, {}, {-80, -60}};
  cut.Click(0, 0);
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"down 80,60", "click 80,60", "up 80,60"}));
}

TEST(Program, TheLastColumnsAndRowsOfThePictureReachNoHandler) {
  Game game;
  InputProbe probe(game.program);
  Routed routed{probe, {}, {0, 0}};
  for (int x = 793; x < 800; ++x) routed.Click(x, 100);
  for (int y = 585; y < 600; ++y) routed.Click(100, y);
  routed.Click(-1, 100);
  EXPECT_TRUE(probe.seen.empty());
}

TEST(Program, AClickNeedsTheLeftButtonPressedAndReleasedOnThePicture) {
  Game game;
  InputProbe probe(game.program);
  Routed routed{probe, {}, {0, 0}};
  routed.Down(10, 10);
  routed.Up(795, 10);  // released off the input picture: it still hears the release
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"down 10,10", "up 795,10"}));
}

TEST(Program, WatchdogBringsBackTheTitleInItsClosingStateWithEverySoundStopped) {
  Game game;
  auto& title = game.program.Form1();
  game.ShowOnly(game.program.Form4());
  game.program.Sounds.Play(core::Sound::Drummers);
  game.program.Sounds.Play(core::Sound::Rain);
  game.program.Form4().Hide();
  game.program.DisableTick(game.program.Form4());
  game.Wait(50);
  EXPECT_TRUE(title.Visible());
  EXPECT_EQ(title.TitleState, 4);
  EXPECT_TRUE(title.Timer1.Enabled);
  for (const core::Screen* screen : game.program.Screens()) {
    if (screen != &title) {
      EXPECT_FALSE(screen->Timer1.Enabled) << screen->Caption();
    }
  }
  for (int i = 0; i < core::kSoundCount; ++i) EXPECT_FALSE(game.program.Sounds.IsPlaying(static_cast<core::Sound>(i)));
  game.Tick();
  EXPECT_TRUE(game.host.bordered);
}

TEST(Program, TimersFireOncePerDueTimeAndNeverInACatchUpBurst) {
  Game game;
  game.ShowOnly(game.program.Form1());
  int title_frames = game.host.frames_presented;
  game.Wait(1000);
  EXPECT_NEAR(game.host.frames_presented - title_frames, 10, 1);
  title_frames = game.host.frames_presented;
  game.host.now += 5000;  // a long stall
  game.program.Advance(game.host.now);
  EXPECT_EQ(game.host.frames_presented - title_frames, 1);
}

// Sleeping until the time told and not a moment less misses no tick: a run of speed
// training woken only then ends after its 500 ticks, at 100 ms each.
TEST(Program, WakingOnlyWhenTheNextTimerIsDueKeepsEveryTickOnTime) {
  Game game;
  game.ShowOnly(game.program.Form4());
  game.program.Career.Cash = 1000;
  game.Press(575, 25);  // Train Player
  game.Tick();
  game.Press(600, 200);  // speed training
  ASSERT_TRUE(game.program.Form17().Visible());
  const std::uint64_t started = game.host.now;
  while (!game.program.Form4().Visible() && game.host.now < started + 60000) {
    const std::optional<std::uint64_t> due = game.program.NextDue();
    ASSERT_TRUE(due.has_value());
    ASSERT_GT(*due, game.host.now);
    game.host.now = *due - 1;
    const int frames = game.host.frames_presented;
    game.program.Advance(game.host.now);
    EXPECT_EQ(game.host.frames_presented, frames) << "a tick before its time";
    game.program.Advance(++game.host.now);
  }
  EXPECT_EQ(game.host.now - started, 50000u);
  for (core::Screen* screen : game.program.Screens()) game.program.DisableTick(*screen);
  EXPECT_EQ(game.program.NextDue(), game.program.Form1().Timer2.Due) << "the watchdog runs always";

  // Gathered, a tick due soon after the watchdog takes it along; one half-way between two
  // watchdog ticks does not.
  game.program.EnableTick(game.program.Form4());
  core::Timer& watchdog = game.program.Form1().Timer2;
  core::Timer& tick = game.program.Form4().Timer1;
  tick.Due = watchdog.Due + 10;
  EXPECT_EQ(game.program.NextDue(), watchdog.Due);
  EXPECT_EQ(game.program.NextDue(25), tick.Due);
  tick.Due = watchdog.Due + 50;
  EXPECT_EQ(game.program.NextDue(25), watchdog.Due);
}

TEST(Program, ErrorsEscapingAHandlerAreShownWithAFullStopAndTheGameGoesOn) {
  Game game;
  game.program.Guarded([] { throw career::IoError(2); });
  game.program.Guarded([] { throw career::IoError(7, "Ends already."); });
  game.program.Guarded([] {});
  EXPECT_EQ(game.host.errors, (std::vector<std::string>{"File not found.", "Ends already."}));
  game.Tick();
  EXPECT_TRUE(game.program.Form1().Visible());
}

TEST(Program, ClosingTheWindowEndsTheGameOnlyOnTheTitleScreen) {
  Game game;
  game.ShowOnly(game.program.Form4());
  EXPECT_FALSE(game.program.CloseWindow());
  EXPECT_FALSE(game.program.Form4().Visible());
  EXPECT_FALSE(game.host.quit);
  game.Wait(50);
  EXPECT_TRUE(game.program.Form1().Visible());
  EXPECT_TRUE(game.program.CloseWindow());
  EXPECT_TRUE(game.host.quit);
}

TEST(Program, AMissingWaveFileStopsTheStartNamingIt) {
  testing_support::FakeHost host;
  host.files.files.erase("hiss.wav");
  app::Program program(host);
  EXPECT_EQ(program.Start(std::make_shared<core::PictureStore>()), "Cannot open the sound file hiss.wav");
}

TEST(Program, RandomDrawsCanBeFixedOrScripted) {
  core::Random random;
  random.FixSeed(7);
  random.Reseed(99);  // the watchdog's re-seed leaves a fixed seed alone
  core::Random same;
  same.Seed(7);
  for (int i = 0; i < 20; ++i) {
    const int draw = random(134);
    EXPECT_EQ(draw, same(134));
    EXPECT_GE(draw, 0);
    EXPECT_LT(draw, 134);
  }
  random.Script({3, 99, -5});
  EXPECT_EQ(random(10), 3);
  EXPECT_EQ(random(10), 9);
  EXPECT_EQ(random(10), 0);
  EXPECT_EQ(random(0), 0);
}

// The watchdog re-seeds from the clock the program is driven by, not the machine's own: play
// recorded as its times and its input replays to the same draws, whatever the clock says then.
TEST(Program, RandomDrawsFollowOnlyTheTimesThePlayIsDrivenBy) {
  const auto new_team_names = [](std::uint64_t machine_clock_ahead) {
    testing_support::FakeHost host;
    app::Program program(host, testing_support::GameFonts());
    program.Start(std::make_shared<core::PictureStore>());
    const auto advance_to = [&](std::uint64_t now) {
      host.now = now + machine_clock_ahead;
      program.Advance(now);
    };
    for (std::uint64_t now = 1010; now <= 1530; now += 10) advance_to(now);
    program.Form1().TitleChoice = 1;  // New Game
    advance_to(1600);
    std::vector<std::string> names;
    for (int k = 1; k <= 8; ++k) names.push_back(program.Career.PlayerName[k].Get());
    return names;
  };
  EXPECT_EQ(new_team_names(0), new_team_names(777));
}
