#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "app/title_screen.h"
#include "match/match_screen.h"
#include "match/match_start.h"
#include "match/movement.h"
#include "match/opposition.h"
#include "match/paintballs.h"
#include "match/sight.h"
#include "match/tick_rules.h"
#include "support/fake_host.h"
#include "tour/next_match_screen.h"
#include "tour/result_screen.h"

namespace {

using career::FieldPoint;
using core::Sound;
using testing_support::Game;

// A new career on the easy challenge (no marker breaks), PLAY pressed: the match stands paused.
class Match : public ::testing::Test {
 protected:
  void SetUp() override {
    game.program.Form1().TitleChoice = 1;
    game.Tick();
    career().Challenge = 1;
    game.ShowOnly(game.program.Form7());
    game.Press(765, 500);
  }

  void Tick() { game.program.Form8().Timer1Timer(); }
  void Run() { match().Paused = 0; }
  career::CareerRecord& career() { return game.program.Career; }
  match::MatchState& match() { return game.program.Match; }
  world::SharedState& shared() { return game.program.Shared; }
  match::MatchContext& context() { return context_; }
  // Every bunker far off the field but one.
  void OneBunkerAt(FieldPoint centre) {
    for (FieldPoint& bunker : match().Bunkers) bunker = {-600, -300};
    match().Bunkers[1] = centre;
  }

  Game game;
  match::MatchContext context_ = match::ContextOf(game.program);
};

TEST_F(Match, PlayStartsPausedWithTheTeamsInTheirColumns) {
  EXPECT_TRUE(game.program.Form8().Visible());
  EXPECT_TRUE(game.program.Form8().Timer1.Enabled);
  EXPECT_EQ(match().Paused, 1);
  EXPECT_EQ(match().MatchClock, 2500);
  EXPECT_EQ(match().PauseBudget, 9999);
  EXPECT_EQ(shared().SelectedPlayer, 4);
  EXPECT_EQ(career().PlayerPos[7], (FieldPoint{35, 260}));
  EXPECT_EQ(match().OppPos[1], (FieldPoint{765, 140}));
  EXPECT_EQ(match().OppSpeed[1], 10);
  EXPECT_EQ(match().FlagPos, (FieldPoint{785, 240}));
}

TEST(MatchStart, LayoutsTakeTurnsOverTheWholeRunAndAStrayLayoutStartsAgainAtOne) {
  Game game;
  match::MatchContext context = match::ContextOf(game.program);
  for (const int expected : {1, 2, 3, 4, 5, 1}) {
    match::StartMatch(context);
    EXPECT_EQ(game.program.Shared.FieldLayout, expected);
  }
  EXPECT_EQ(game.program.Match.Bunkers[14], (FieldPoint{-600, -300}));
  for (const int stray : {9, -3}) {
    game.program.Shared.FieldLayout = stray;
    match::StartMatch(context);
    EXPECT_EQ(game.program.Shared.FieldLayout, 1);
  }
}

TEST(MatchStart, OppositionStrengthFollowsTheStageAndTheTechnology) {
  Game game;
  match::MatchContext context = match::ContextOf(game.program);
  struct Case { int stage, tech, speed, lowest_gear, highest_gear; };
  for (const Case c : {Case{1, 2, 10, 1, 2}, Case{20, 2, 20, 5, 6}, Case{20, 1, 20, 1, 2}, Case{40, 2, 20, 6, 6},
                       Case{-30, 2, -5, 1, 1}}) {
    game.program.Career.TourStage = c.stage;
    game.program.Career.TechLevel = c.tech;
    match::StartMatch(context);
    for (int i = 1; i <= 7; ++i) {
      EXPECT_EQ(game.program.Match.OppSpeed[i], c.speed) << c.stage;
      EXPECT_GE(game.program.Match.OppGearLevel[i], c.lowest_gear) << c.stage;
      EXPECT_LE(game.program.Match.OppGearLevel[i], c.highest_gear) << c.stage;
    }
  }
}

// A walker's step: per-axis stop under 1, the cap from speed less tiredness, and the mended
// cases where no step could ever fit (negative cap, divisor 60 - speed of 0 or less).
TEST(Movement, WalkStepKeepsToItsCapAndStandsWhereNoStepCanFit) {
  struct Case { FieldPoint pos, target; long long speed, penalty; FieldPoint step; };
  for (const Case c : {
           Case{{10.9, 50}, {10, 10}, 20, 0, {0, 1}},       // x less than 1 away: only y closes in
           Case{{10, 10}, {10, 10}, 20, 0, {0, 0}},
           Case{{50, 50}, {0, 0}, 4, 0, {0, 0}},             // cap 0
           Case{{50, 50}, {0, 0}, 9, 5, {0, 0}},             // tired cap 0
           Case{{50, 50}, {0, 0}, -10, 5, {0, 0}},           // cap -3, mended
           Case{{50, 50}, {0, 0}, 60, 0, {0, 0}},            // divisor 0, mended
           Case{{50, 50}, {0, 0}, 75, 0, {0, 0}},            // divisor below 0, mended
       }) {
    EXPECT_EQ(match::WalkStep(c.pos, c.target, c.speed, c.penalty), c.step) << c.speed;
  }
  const FieldPoint far = match::WalkStep({400, 100}, {0, 0}, 20, 0);
  EXPECT_LE(far.x, 4.0);
  EXPECT_GT(far.x * 1.1, 4.0);
  EXPECT_DOUBLE_EQ(far.x / far.y, 4.0);
}

TEST_F(Match, ASprintDoublesTheTiredCap) {
  Run();
  career().Endurance[1] = 1;
  career().Speed[1] = 20;
  career().Sprint[1] = 50;
  career().PlayerTarget[1] = {735, 140};
  Tick();
  const double moved = career().PlayerPos[1].x - 35;
  EXPECT_LE(moved, 6.0);
  EXPECT_GT(moved * 1.1, 6.0);
  EXPECT_EQ(career().Sprint[1], 49);
}

TEST_F(Match, WhilePausedNobodyMovesAndTheClockStands) {
  career().PlayerTarget[1] = {400, 140};
  Tick();
  EXPECT_EQ(career().PlayerPos[1], (FieldPoint{35, 140}));
  EXPECT_EQ(match().MatchClock, 2500);
  EXPECT_EQ(match().PauseBudget, 9998);
}

TEST(Sight, PointsAtMostFiveApartAlwaysSeeEachOther) {
  match::BunkerField bunkers{};
  for (FieldPoint& bunker : bunkers) bunker = {100, 100};
  EXPECT_TRUE(match::LineIsClear(bunkers, {100, 100}, {103, 104}));
  EXPECT_FALSE(match::LineIsClear(bunkers, {100, 100}, {103, 105}));
}

// The quick sight line looks only at bunkers near the line and stops at the first blocked
// step; on any line, with wild ends too, it must agree with the whole traced path.
TEST(Sight, TheQuickLineAgreesWithTheWholeTrace) {
  std::mt19937 draws(20261208);
  std::uniform_real_distribution<double> across(-40.0, 840.0);
  const double wild[] = {1e300, -1e300, std::numeric_limits<double>::infinity(), std::nan("")};
  match::BunkerField bunkers{};
  for (int line = 0; line < 4000; ++line) {
    if (line % 50 == 0) {
      for (FieldPoint& bunker : bunkers) bunker = {across(draws), across(draws) / 2};
    }
    FieldPoint from{across(draws), across(draws) / 2};
    const FieldPoint to{across(draws), across(draws) / 2};
    if (line % 97 == 0) from.x = wild[line % 4];
    bool traced_clear = true;
    match::TraceSight(bunkers, from, to, [&](const FieldPoint&, bool blocked) { traced_clear = traced_clear && !blocked; });
    ASSERT_EQ(match::LineIsClear(bunkers, from, to), traced_clear) << "line " << line;
  }
}

TEST_F(Match, ABunkerHidesBothWaysButTheEasyChallengeShowsEveryOpponent) {
  for (int k = 1; k <= 7; ++k) {
    career().PlayerPos[k] = {300, 200};
    match().OppPos[k] = {500, 200};
  }
  OneBunkerAt({400, 205});
  for (const int challenge : {2, 1}) {
    career().Challenge = challenge;
    match::UpdateOppVisible(match(), career());
    match::UpdateSpotted(match(), career());
    EXPECT_EQ(match().OppVisible[3], challenge == 1 ? 1 : 0);
    EXPECT_EQ(career().Spotted[3], 0);
  }
  OneBunkerAt({400, 230});
  career().Challenge = 2;
  match::UpdateOppVisible(match(), career());
  match::UpdateSpotted(match(), career());
  EXPECT_EQ(match().OppVisible[3], 1);
  EXPECT_EQ(career().Spotted[3], 1);
}

TEST(Paintballs, ShortShotsAreSpedUpOnlyToTheRightOrUpward) {
  struct Case { FieldPoint way, vel; };
  for (const Case c : {Case{{-5, 0}, {-5, 0}}, Case{{0, 5}, {0, 5}}, Case{{0, 0}, {0, 0}}}) {
    EXPECT_EQ(match::LaunchVelocity(c.way), c.vel);
  }
  for (const FieldPoint way : {FieldPoint{5, 0}, FieldPoint{0, -5}, FieldPoint{300, -40}, FieldPoint{-200, 600}}) {
    const FieldPoint vel = match::LaunchVelocity(way);
    EXPECT_LE(std::max(std::fabs(vel.x), std::fabs(vel.y)), 15.0);
    EXPECT_GT(std::max(std::fabs(vel.x), std::fabs(vel.y)) * 1.1, 15.0);
    EXPECT_DOUBLE_EQ(vel.x * way.y, vel.y * way.x);
  }
}

TEST_F(Match, AShotTakesTheFirstFreeSlotForPaintAndSlot200ForNothing) {
  Run();
  career().Firing[1] = 1;
  career().GearLevel[1] = 1;
  career().AimPoint[1] = {400, 180};
  career().Paint[1] = 10;
  for (match::Paintball& ball : match().Paintballs) ball.Active = 1;
  match().Paintballs[57].Active = 0;
  match::FireOwnShots(context());
  EXPECT_EQ(match().Paintballs[57].Owner, 1);
  EXPECT_EQ(career().Paint[1], 9);
  match::FireOwnShots(context());
  EXPECT_EQ(match().Paintballs[200].Owner, 1);
  EXPECT_EQ(match().Paintballs[200].Pos, career().PlayerPos[1]);
  EXPECT_EQ(career().Paint[1], 9);
}

TEST_F(Match, ACounterLoadedFromOutsideItsCycleStartsAgain) {
  Run();
  career().Firing[1] = 1;
  career().ShotTimer[1] = 2147483647;
  career().ShotCount[1] = 90;
  match::AdvanceFiringCycles(match(), career());
  EXPECT_EQ(career().ShotTimer[1], 0);
  EXPECT_EQ(career().ShotCount[1], 0);
}

TEST_F(Match, PaintTagsEveryPlayerInReachButNeverItsShooter) {
  Run();
  OneBunkerAt({-600, -300});
  career().PlayerPos[2] = {400, 200};
  career().PlayerPos[3] = {404, 200};
  match().OppPos[1] = {400, 195};
  match::Paintball& ball = match().Paintballs[1];
  ball = {.Pos = {402, 200}, .Owner = 2, .Vel = {0, 0}, .Active = 1};
  match::HitPaintballs(match(), career());
  EXPECT_EQ(career().InPlay[2], 1);
  EXPECT_EQ(career().InPlay[3], 0);
  EXPECT_EQ(match().OppInPlay[1], 0);
  EXPECT_EQ(career().TagsFor[2], 1);
  EXPECT_EQ(career().TagsAgainst[3], 1);
  EXPECT_EQ(ball.Active, 0);
}

TEST_F(Match, APausedRelativeScriptedMoveIsAppliedAgainOnEveryTick) {
  match().MatchClock = 2350;
  match().OppTarget[1] = {730, 50};
  Tick();
  Tick();
  EXPECT_EQ(match().OppTarget[1], (FieldPoint{730, 80}));
  EXPECT_EQ(match().OppTarget[2], (FieldPoint{420, 50}));
}

TEST_F(Match, TheOppositionAimsAtTheNearestSpottedPlayerInPlay) {
  OneBunkerAt({-600, -300});
  match().OppPos[1] = {700, 100};
  career().PlayerPos[1] = {600, 100};
  career().PlayerPos[2] = {650, 100};
  career().InPlay[2] = 0;
  career().PlayerPos[3] = {690, 100};
  career().Spotted[3] = 0;
  for (const int j : {1, 2, 3}) {
    if (j != 3) career().Spotted[j] = 1;
  }
  match::AimOpposition(context());
  EXPECT_DOUBLE_EQ(match().OppAimDist[1], 100.0);
  EXPECT_NEAR(match().OppAim[1].x, 600, 15);
  EXPECT_NEAR(match().OppAim[1].y, 140, 15);
  match().OppVisible[1] = 0;
  match::AimOpposition(context());
  EXPECT_EQ(match().OppAim[1], (FieldPoint{0, 0}));
}

// The carrier comes within 15 of the home station on tick t; the flag follows on t + 1 and is
// hung on t + 2.
TEST_F(Match, TheFlagIsHungTwoTicksAfterTheCarrierArrives) {
  Run();
  career().Speed[1] = 20;
  career().Endurance[1] = 30;
  career().HasFlag[1] = 1;
  career().PlayerPos[1] = {30.2, 200};
  career().PlayerTarget[1] = {10, 200};
  match().FlagPos = {30.2, 240};
  Tick();
  Tick();
  EXPECT_EQ(match().FlagHung, 0);
  EXPECT_TRUE(game.program.Form8().Visible());
  Tick();
  EXPECT_EQ(match().FlagHung, 1);
  EXPECT_EQ(career().FlagHangs[1], 1);
  EXPECT_TRUE(game.program.Form9().Visible());
  EXPECT_FALSE(game.program.Form8().Timer1.Enabled);
}

// A tagged-out carrier drops the flag where it was last moved to; the next player to reach it
// counts a pull only if it lies again exactly on the start point.
TEST_F(Match, ADroppedFlagIsPickedUpAgainAndPulledOnlyOnItsStartPoint) {
  for (const double drop_y : {200.0, 203.0}) {
    match().FlagPos = {785, 240};
    career().HasFlag[2] = 0;
    career().InPlay[1] = 1;
    career().PlayerPos[1] = career().PlayerTarget[1] = {785, 200};
    Tick();
    EXPECT_EQ(career().HasFlag[1], 1);
    career().PlayerPos[1] = {785, drop_y};
    career().InPlay[1] = 0;
    career().PlayerPos[2] = career().PlayerTarget[2] = {780, 200};
    const int pulls = career().FlagPulls[2];
    Tick();
    EXPECT_EQ(career().HasFlag[1], 0);
    EXPECT_EQ(career().HasFlag[2], 1);
    EXPECT_EQ(career().FlagPulls[2] - pulls, drop_y == 200.0 ? 1 : 0) << drop_y;
  }
}

TEST_F(Match, TheEndStopsEverySoundHandsOverAndMayImproveAPlayer) {
  Run();
  match().MatchClock = 1;
  std::vector<std::string> requests;
  game.program.Sounds.Observer = [&](const char* request, Sound sound) {
    requests.push_back(std::string(request) + " " + core::SoundFileName(sound));
  };
  const career::Slots<career::int32, 8> speeds = career().Speed;
  Tick();
  game.program.Sounds.Observer = nullptr;
  ASSERT_GE(requests.size(), 28u);
  EXPECT_EQ(requests[requests.size() - 28], "stop drummers.wav");
  EXPECT_EQ(requests.back(), "rewind victory2.wav");
  EXPECT_TRUE(game.program.Form9().Visible());
  EXPECT_EQ(shared().ResultClickLock, 20);
  EXPECT_GE(shared().ImprovedPlayer, 1);
  EXPECT_LE(shared().ImprovedPlayer, 20);
  for (int j = 1; j <= 7; ++j) EXPECT_EQ(career().Speed[j], speeds[j] + (j == shared().ImprovedPlayer ? 1 : 0));
}

// The ending tick hands over before its picture is copied: the next PLAY must not show it.
TEST_F(Match, TheNextPlayShowsNothingOfTheLastMatchBeforeItsFirstTick) {
  Run();
  match().MatchClock = 1;
  Tick();
  ASSERT_TRUE(game.program.Form9().Visible());
  EXPECT_FALSE(game.program.Form8().LastFrame());
  game.ShowOnly(game.program.Form7());
  game.Press(765, 500);  // PLAY
  ASSERT_TRUE(game.program.Form8().Visible());
  EXPECT_FALSE(game.program.Form8().LastFrame());
}

TEST_F(Match, AFireModeClickOnAPlayerSelectsItInsteadOfAiming) {
  match().OrderMode = 1;
  shared().SelectedPlayer = 1;
  game.Press(35, 240);  // player 4 stands at (35, 200)
  EXPECT_EQ(shared().SelectedPlayer, 4);
  EXPECT_EQ(career().AimPoint[4], (FieldPoint{0, 0}));
  EXPECT_EQ(match().OrderMode, 0);
  career().PlayerPos[5] = {40, 205};
  game.Press(35, 242);  // players 4 and 5 both in reach: the higher slot wins
  EXPECT_EQ(shared().SelectedPlayer, 5);
}

TEST_F(Match, AMoveThroughABunkerIsRefusedUntilThePathIsClear) {
  OneBunkerAt({200, 182});
  game.Move(400, 200);
  Tick();
  EXPECT_EQ(match().MoveBlocked, 1);
  game.Press(400, 200);
  EXPECT_EQ(career().PlayerTarget[4], (FieldPoint{35, 200}));
  game.Move(400, 100);
  Tick();
  EXPECT_EQ(match().MoveBlocked, 0);
  game.Press(400, 100);
  EXPECT_EQ(career().PlayerTarget[4], (FieldPoint{400, 60}));
}

TEST_F(Match, ResumingLocksThePauseButtonAndButtonsNeverOrderOnTheField) {
  game.Press(675, 500);
  EXPECT_EQ(match().Paused, 0);
  EXPECT_EQ(shared().ResultClickLock, 60);
  game.Press(675, 500);
  EXPECT_EQ(match().Paused, 0);
  game.Press(550, 565);
  game.Press(550, 565);
  EXPECT_EQ(career().Sprint[4], 50);
  EXPECT_EQ(career().PlayerTarget[4], (FieldPoint{35, 200}));
  game.program.KeyPress('6');
  game.program.KeyPress(' ');
  EXPECT_EQ(shared().SelectedPlayer, 6);
  EXPECT_EQ(career().Firing[6], 1);
  EXPECT_EQ(match().OrderMode, 1);
}

// A damaged save's fire switch turns over without overflowing, by key and by the button.
TEST_F(Match, AWildFireSwitchTurnsOverWithoutOverflowing) {
  const career::int32 lowest = std::numeric_limits<career::int32>::min();
  game.program.KeyPress('2');
  career().Firing[2] = lowest + 1;
  game.program.KeyPress(' ');
  EXPECT_EQ(career().Firing[2], std::numeric_limits<career::int32>::max());
  EXPECT_EQ(match().OrderMode, std::numeric_limits<career::int32>::max());
  game.Press(550, 505);  // MOVE / FIRE
  EXPECT_EQ(match().OrderMode, lowest + 2);
  EXPECT_EQ(career().Firing[2], lowest + 2);
}

// A damaged save's counts and challenge: the counts stop at the largest value, the pause
// button's lock stays within 32 bits and counts down from there.
TEST_F(Match, WildCountsStopAtTheLargestValueAndAWildChallengeLocksWithinRange) {
  constexpr career::int32 kLargest = std::numeric_limits<career::int32>::max();
  constexpr career::int32 kSmallest = std::numeric_limits<career::int32>::min();
  Run();
  OneBunkerAt({-600, -300});
  career().TagsFor[2] = career().TagsAgainst[3] = career().FlagPulls[5] = career().FlagHangs[6] = kLargest;
  career().PlayerPos[2] = {400, 200};
  career().PlayerPos[3] = {404, 200};
  match().OppPos[1] = {400, 195};
  match().Paintballs[1] = {.Pos = {402, 200}, .Owner = 2, .Vel = {0, 0}, .Active = 1};
  match::HitPaintballs(match(), career());
  career().PlayerPos[5] = {785, 200};
  match::PickUpFlag(match(), career());
  career().HasFlag[5] = 0;
  career().HasFlag[6] = 1;
  match().FlagHung = 1;
  match::MatchIsOver(match(), career());
  EXPECT_EQ(career().TagsFor[2], kLargest);
  EXPECT_EQ(career().TagsAgainst[3], kLargest);
  EXPECT_EQ(career().FlagPulls[5], kLargest);
  EXPECT_EQ(career().FlagHangs[6], kLargest);

  struct Lock { career::int32 challenge, on_resume, a_tick_later; };
  const Lock locks[] = {{kLargest, kLargest, kLargest - 1}, {kSmallest, kSmallest, 0}, {3, 80, 79}};
  for (const Lock& lock : locks) {
    career().Challenge = lock.challenge;
    match().Paused = 1;
    shared().ResultClickLock = 0;
    game.Press(675, 500);  // resume
    EXPECT_EQ(shared().ResultClickLock, lock.on_resume) << lock.challenge;
    match::CountDownLocks(context());
    EXPECT_EQ(shared().ResultClickLock, lock.a_tick_later) << lock.challenge;
  }
}

}  // namespace
