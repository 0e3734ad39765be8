#include <gtest/gtest.h>

#include <limits>

#include <string>

#include "match/match_drawing.h"
#include "match/match_screen.h"
#include "support/fake_host.h"

namespace {

using gfx::Canvas;
using core::Sound;
namespace colors = gfx::colors;

// A match picture drawn call by call onto a white canvas, the match state set by hand.
class MatchDrawing : public ::testing::Test {
 protected:
  MatchDrawing() : canvas(800, 600, &game.program.Fonts()) {
    for (int slot = 1; slot <= 7; ++slot) {
      career().InPlay[slot] = 1;
      career().GearLevel[slot] = 2;
      career().Portrait[slot] = slot;
    }
    game.program.Shared.Surface = 1;
  }

  career::CareerRecord& career() { return game.program.Career; }
  match::MatchState& match() { return game.program.Match; }
  world::SharedState& shared() { return game.program.Shared; }
  match::MatchPictures pictures() const { return match::PicturesOf(game.program); }
  const gfx::Picture* Picture(int form, int image) const { return game.program.Picture(form, image); }

  // The picture lies whole and unchanged at (left, top).
  bool Shows(int left, int top, const gfx::Picture* picture) const {
    for (int y = 0; y < picture->Height(); ++y) {
      for (int x = 0; x < picture->Width(); ++x) {
        if (canvas.PixelAt(left + x, top + y) != picture->ColorAt(x, y)) return false;
      }
    }
    return true;
  }
  int Count(int left, int top, int right, int bottom, gfx::Color colour) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) count += canvas.PixelAt(x, y) == colour;
    }
    return count;
  }
  // Red letters are smoothed at their edges, so any strongly red pixel counts.
  bool AnyRed(int left, int top, int right, int bottom) const {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const gfx::Color c = canvas.PixelAt(x, y);
        if (c.r > 200 && c.g < 120 && c.b < 120) return true;
      }
    }
    return false;
  }
  bool Blank(int left, int top, int right, int bottom) const {
    return Count(left, top, right, bottom, colors::White) == (right - left) * (bottom - top);
  }

  testing_support::Game game{true};
  Canvas canvas;
  match::MatchContext context = match::ContextOf(game.program);
};

TEST_F(MatchDrawing, StatusIconsCoverInTheirOrderAndFiguresFollowThePortrait) {
  struct Case { int in_play, gear, portrait, icon, figure; };
  // Icons: 11 OK, 12 Out, 13 marker fault; figures: 7 blue, 8 grey. A damaged save's
  // portraits beyond -1..21 follow the same rule as the line-up's.
  constexpr int kLargest = std::numeric_limits<int>::max(), kSmallest = std::numeric_limits<int>::min();
  const Case cases[] = {{1, 3, -1, 11, 7}, {1, 0, 0, 13, 8}, {0, 0, 10, 12, 7}, {0, 4, 11, 12, 8},
                        {1, 3, 21, 11, 8}, {1, 3, 22, 11, 8}, {1, 3, -2, 11, 7},
                        {1, 3, kLargest, 11, 8}, {1, 3, kSmallest, 11, 7}};
  for (const Case& c : cases) {
    career().InPlay[3] = c.in_play;
    career().GearLevel[3] = c.gear;
    career().Portrait[3] = c.portrait;
    canvas = Canvas(800, 600, &game.program.Fonts());
    match::DrawTeamStrip(career(), pictures(), canvas);
    EXPECT_TRUE(Shows(80, 555, Picture(8, c.icon))) << c.icon;
    EXPECT_TRUE(Shows(80, 455, Picture(8, c.figure))) << c.portrait;
  }
}

TEST_F(MatchDrawing, LightningFlashesOnOnOffOnAsItCountsDown) {
  ASSERT_NE(Picture(8, 16)->ColorAt(400, 200), Picture(8, 2)->ColorAt(400, 200));
  for (const int ticks : {4, 3, 2, 1, 0}) {
    match().LightningTicks = ticks;
    match::DrawField(match(), shared(), pictures(), canvas);
    const bool flash = ticks == 4 || ticks == 3 || ticks == 1;
    EXPECT_EQ(canvas.PixelAt(400, 240), (flash ? Picture(8, 16) : Picture(8, 2))->ColorAt(400, 200)) << ticks;
  }
  EXPECT_EQ(canvas.PixelAt(799, 300), colors::Black);  // the frame
}

TEST_F(MatchDrawing, PauseButtonIsCrossedOutOnlyWhileLocked) {
  for (const int lock : {1, 0}) {
    game.program.Shared.ResultClickLock = lock;
    canvas = Canvas(800, 600, &game.program.Fonts());
    match::DrawPanel(match(), career(), shared(), pictures(), canvas);
    EXPECT_EQ(canvas.PixelAt(675, 517) == colors::Red, lock > 0);
    EXPECT_EQ(canvas.PixelAt(701, 500) == colors::Red, lock > 0);
  }
}

TEST_F(MatchDrawing, TiredFiguresCoverSpeedUnlessSprintingAndEnduranceInRed) {
  game.program.Shared.SelectedPlayer = 2;
  career().Endurance[2] = 10;  // tired below 2000 ticks left
  struct Case { int clock, sprint; bool speed_red, endurance_red; };
  for (const Case c : {Case{2000, 0, false, false}, Case{1999, 1, true, true}, Case{1999, 30, false, true}}) {
    match().MatchClock = c.clock;
    career().Sprint[2] = c.sprint;
    canvas = Canvas(800, 600, &game.program.Fonts());
    match::DrawTiredFigures(match(), career(), shared(), canvas);
    EXPECT_EQ(AnyRed(370, 483, 392, 500), c.speed_red) << c.clock << " " << c.sprint;
    EXPECT_EQ(AnyRed(392, 483, 414, 500), c.endurance_red) << c.clock << " " << c.sprint;
  }
}

TEST_F(MatchDrawing, BrokenMarkerSparksSevenWhiteThenBlackPairsRowDrawnFirst) {
  career().GearLevel[5] = 0;
  career().PlayerPos[5] = {300.7, 200.2};
  game.program.Rng.FixSeed(777);
  for (int pair = 0; pair < 7; ++pair) game.program.Rng.Script({0, 2 * pair, 29, 2 * pair + 1});
  match::DrawPlayersAndBunkers(match(), career(), shared(), game.program.Rng, canvas);
  for (int pair = 0; pair < 7; ++pair) {
    EXPECT_EQ(canvas.PixelAt(285 + 2 * pair, 225), colors::White) << pair;
    EXPECT_EQ(canvas.PixelAt(286 + 2 * pair, 254), colors::Black) << pair;
  }
  core::Random untouched;
  untouched.FixSeed(777);
  EXPECT_EQ(game.program.Rng(1 << 30), untouched(1 << 30));  // exactly the 28 scripted draws
}

TEST_F(MatchDrawing, SelectedRingVisibleOpponentsAndBunkersByKind) {
  game.program.Shared.SelectedPlayer = 1;
  career().PlayerPos[1] = {100, 100};
  career().PlayerPos[2] = {100, 300};
  career().InPlay[2] = 0;
  match().OppPos[1] = {600, 100};
  match().OppPos[2] = {600, 300};
  match().OppInPlay[1] = match().OppInPlay[2] = 1;
  match().OppVisible[1] = 1;
  for (int n = 1; n <= 3; ++n) {
    match().Bunkers[n] = {200.0 + 100 * n, 200};
    match().BunkerKind[n] = n;
  }
  match::DrawPlayersAndBunkers(match(), career(), shared(), game.program.Rng, canvas);
  EXPECT_EQ(canvas.PixelAt(110, 140), colors::Yellow);
  EXPECT_EQ(canvas.PixelAt(93, 140), colors::Blue);
  EXPECT_TRUE(Blank(90, 330, 110, 350));  // tagged out
  EXPECT_EQ(canvas.PixelAt(593, 140), colors::Red);
  EXPECT_TRUE(Blank(590, 330, 610, 350));  // not seen
  EXPECT_EQ(canvas.PixelAt(300, 240), colors::Green);
  EXPECT_EQ(canvas.PixelAt(400, 240), (gfx::Color{128, 128, 0}));
  EXPECT_EQ(canvas.PixelAt(500, 240), (gfx::Color{0, 128, 128}));
}

TEST_F(MatchDrawing, StormsByCaptionSoundAndThunder) {
  struct Case { int allowed, surface; const char* caption; Sound sound; int plays, draws_before_thunder, thunder, lightning; };
  const Case cases[] = {{2, 1, "Weather: Rainstorm", Sound::Rain, 1, 100 * 2, 1, 4},
                        {2, 2, "Weather: Duststorm", Sound::Wind, 1, 100 * (80 * 2 + 2), 1, 0},
                        {2, 3, "Weather: Snowing", Sound::Wind, 1, -1, 0, 0},
                        {2, 4, "Weather: Fine", Sound::Wind, 0, -1, 0, 0},
                        {1, 1, "Weather: Fine", Sound::Rain, 0, -1, 0, 0}};
  match().WeatherRoll = 5;
  for (const Case& c : cases) {
    career().WeatherAllowed = c.allowed;
    game.program.Shared.Surface = c.surface;
    match().WeatherText = "Weather: Fine";
    match().LightningTicks = 0;
    for (int draw = 0; draw < c.draws_before_thunder; ++draw) game.program.Rng.Script({0});
    if (c.draws_before_thunder >= 0) game.program.Rng.Script({999});
    const int sounds = game.program.Sounds.PlayRequests(c.sound);
    const int thunder = game.program.Sounds.PlayRequests(Sound::Thunder);
    match::WeatherEffects(context, canvas);
    EXPECT_EQ(match().WeatherText, c.caption);
    EXPECT_EQ(game.program.Sounds.PlayRequests(c.sound) - sounds, c.plays) << c.caption;
    EXPECT_EQ(game.program.Sounds.PlayRequests(Sound::Thunder) - thunder, c.thunder) << c.caption;
    EXPECT_EQ(match().LightningTicks, c.lightning) << c.caption;
  }
}

TEST_F(MatchDrawing, ParticlesWrapAroundTheField) {
  career().WeatherAllowed = 2;
  match().WeatherRoll = 5;
  match().ParticleSpeed[1] = 5;
  struct Case { int surface, x, y, y_draw, wrapped_x, wrapped_y; };
  // Rain moves x - 5 and y + 5 (draws of 0); dust and snow x - 10 and y + y_draw - 1.
  for (const Case c : {Case{1, 5, 436, 0, 800, 46}, Case{1, 6, 435, 0, 1, 440}, Case{2, 10, 43, 0, 800, 435},
                       Case{3, 11, 434, 3, 1, 46}}) {
    game.program.Shared.Surface = c.surface;
    match().ParticleX[1] = c.x;
    match().ParticleY[1] = c.y;
    const int draws_before_y = c.surface == 1 ? 1 : (c.surface == 2 ? 80 : 50) * 2 + 1;
    for (int draw = 0; draw < draws_before_y; ++draw) game.program.Rng.Script({0});
    game.program.Rng.Script({c.y_draw});
    match::WeatherEffects(context, canvas);
    EXPECT_EQ(match().ParticleX[1], c.wrapped_x) << c.surface;
    EXPECT_EQ(match().ParticleY[1], c.wrapped_y) << c.surface;
  }
}

TEST_F(MatchDrawing, ValuesOutOfRangeFromASavedCareerDrawNothing) {
  game.program.Shared.Surface = 9;
  career().HomeCountry = 0;
  career().TourStage = 99;
  career().MatchOfStage = 1;
  career().Portrait[4] = 40;
  career().GearLevel[4] = 7;
  career().Sprint[4] = -3;
  match().WeatherRoll = 5;
  career().WeatherAllowed = 2;
  game.program.Shared.SelectedPlayer = 4;
  match::DrawField(match(), shared(), pictures(), canvas);
  match::DrawCaptionLine(match(), career(), shared(), canvas);
  match::DrawPanel(match(), career(), shared(), pictures(), canvas);
  match::WeatherEffects(context, canvas);
  EXPECT_TRUE(Blank(1, 50, 799, 440));  // below the title
  EXPECT_TRUE(Blank(300, 450, 362, 470));  // no portrait
  EXPECT_TRUE(Blank(300, 500, 400, 575));  // no gear
  EXPECT_TRUE(Blank(500, 550, 600, 580));  // no sprint button
  game.program.Shared.SelectedPlayer = 0;
  canvas = Canvas(800, 600, &game.program.Fonts());
  match::DrawPanel(match(), career(), shared(), pictures(), canvas);
  match::DrawTiredFigures(match(), career(), shared(), canvas);
  EXPECT_TRUE(Blank(300, 450, 470, 600));
}

}  // namespace
