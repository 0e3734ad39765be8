#include <gtest/gtest.h>

#include <limits>

#include "support/fake_host.h"
#include "team/team_page.h"
#include "training/speed_training.h"
#include "training/tag_duel.h"
#include "training/target_shooting.h"
#include "training/training_menu.h"

namespace {

using core::MouseButton;
using core::Sound;
using testing_support::Game;

// A new career on the training menu, the player in slot 3 selected.
class Training : public ::testing::Test {
 protected:
  void SetUp() override {
    game.program.Shared.SelectedPlayer = 3;
    game.ShowOnly(game.program.Form16());
  }

  career::CareerRecord& career() { return game.program.Career; }
  training::TrainingState& state() { return game.program.Training; }
  int Requests(Sound sound) { return game.program.Sounds.PlayRequests(sound); }
  bool BackOnTeamPage() { return game.program.Form4().Visible() && game.program.Form4().Timer1.Enabled; }
  // Ticks with neither opponent of the tag duel stepping out.
  void QuietDuelTicks(int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
      game.program.Rng.Script({0, 0});
      game.Tick();
    }
  }

  Game game;
};

TEST_F(Training, EachPictureOpensItsGameAndAPressBetweenThemDoesNothing) {
  const struct {
    int x, y;
    int form;  // 0: the menu stays
  } presses[] = {{250, 200, 0}, {525, 200, 0}, {100, 350, 0}, {400, 399, 0},
                 {1, 101, 19}, {524, 349, 18}, {551, 200, 17}};
  for (const auto& press : presses) {
    SetUp();
    game.Press(press.x, press.y);
    const core::Screen* shown = game.program.VisibleScreen();
    EXPECT_EQ(shown->Number(), press.form ? press.form : 16) << press.x << "," << press.y;
    EXPECT_EQ(shown->Timer1.Enabled, true);
  }
}

TEST_F(Training, TheMenuWindowShowsTheButtonHighlightColour) {
  game.Tick();
  EXPECT_EQ(game.host.background, core::WindowBackground::ButtonHighlight);
  game.Press(600, 200);
  game.Tick();
  EXPECT_EQ(game.host.background, core::WindowBackground::White);
}

TEST_F(Training, RandomGivesAPointInTheDrawnAttributeWithTheTillSound) {
  using career::CareerRecord;
  const std::pair<int, career::Slots<career::int32, 8> CareerRecord::*> draws[] = {
      {0, &CareerRecord::Endurance}, {1, &CareerRecord::Speed}, {2, &CareerRecord::Agility}, {3, &CareerRecord::Accuracy}};
  for (const auto& [draw, attribute] : draws) {
    SetUp();
    const int before = (career().*attribute)[3];
    const int tills = Requests(Sound::CashRegister);
    game.program.Rng.Script({draw});
    game.Press(400, 425);
    EXPECT_EQ((career().*attribute)[3], before + 1);
    EXPECT_EQ(Requests(Sound::CashRegister), tills + 1);
    EXPECT_TRUE(BackOnTeamPage());
  }
}

TEST_F(Training, ARewardStopsAtTheLargestNumberAndLeavesASlotOutsideTheTeamAlone) {
  career().Endurance[3] = std::numeric_limits<career::int32>::max();
  game.program.Rng.Script({0});
  game.Press(400, 425);
  EXPECT_EQ(career().Endurance[3], std::numeric_limits<career::int32>::max());

  game.ShowOnly(game.program.Form16());
  game.program.Shared.SelectedPlayer = 8;
  const int scratch = career().Speed[8];
  game.program.Rng.Script({1});
  game.Press(400, 425);
  EXPECT_EQ(career().Speed[8], scratch);
}

TEST_F(Training, TheDuelKeepsItsShotsAndPhasesAndTheRangeItsAim) {
  state().Duel.LeftShot = 1;
  state().Duel.RightPhase = 7;
  state().Duel.TimesHit = 9;
  game.Press(400, 200);
  EXPECT_EQ(state().Duel.LeftShot, 1);
  EXPECT_EQ(state().Duel.RightPhase, 7);
  EXPECT_EQ(state().Duel.TimesHit, 0);
  EXPECT_EQ(state().Duel.DuelPaint, 50);
  EXPECT_EQ(state().Duel.TrainTicks, 500);

  game.ShowOnly(game.program.Form16());
  game.Press(100, 200);
  game.Move(100, 300);
  EXPECT_EQ(state().Target.AimX, -220);
  EXPECT_EQ(state().Target.AimY, -20);
  game.ShowOnly(game.program.Form16());
  game.Press(100, 200);
  EXPECT_EQ(state().Target.AimX, -220);
  EXPECT_EQ(state().Target.AimY, -20);
  EXPECT_EQ(state().Target.ShotsLeft, 10);
}

// Speed training.

TEST_F(Training, OnlyAlternatingReleasesCountEvenWithBothButtonsHeld) {
  game.Press(600, 200);
  const auto release = [&](MouseButton button) {
    game.Press(300, 300, button);
    game.Release(300, 300, button);
  };
  release(MouseButton::Left);
  release(MouseButton::Left);
  release(MouseButton::Middle);
  EXPECT_EQ(state().Speed.RunSpeed, 4);
  release(MouseButton::Right);
  release(MouseButton::Left);
  EXPECT_EQ(state().Speed.RunSpeed, 12);
  // Rolling from one button to the other: both are down before either comes up.
  game.Press(300, 300, MouseButton::Right);
  game.Press(300, 300, MouseButton::Left);
  game.Release(300, 300, MouseButton::Right);
  game.Release(300, 300, MouseButton::Left);
  EXPECT_EQ(state().Speed.RunSpeed, 20);
  EXPECT_EQ(state().Speed.LastButton, 1);
}

TEST_F(Training, ASpeedAboveTheTopIsCutBeforeItIsRecordedThenDecays) {
  game.Press(600, 200);
  state().Speed.RunSpeed = 530;
  game.Tick();
  EXPECT_EQ(state().Speed.SpeedHistory[1], 500);
  EXPECT_EQ(state().Speed.RunSpeed, 500 - 500 / 60 - 1);
}

TEST_F(Training, TheShownAverageDecidesSpeedAndEnduranceOnBothSidesOfEachEdge) {
  const struct {
    int average, points;
  } runs[] = {{200, 0}, {201, 1}, {250, 1}, {251, 2}};
  for (const auto& run : runs) {
    SetUp();
    game.Press(600, 200);
    const int speed = career().Speed[3], endurance = career().Endurance[3];
    const int tills = Requests(Sound::CashRegister);
    // 499 ticks at the average; the last tick records the same speed.
    for (int tick = 1; tick < training::kRunTicks; ++tick) state().Speed.SpeedHistory[tick] = run.average;
    state().Speed.TrainTicks = training::kRunTicks - 1;
    state().Speed.RunSpeed = run.average;
    game.Tick();
    EXPECT_EQ(career().Speed[3], speed + run.points) << run.average;
    EXPECT_EQ(career().Endurance[3], endurance + run.points) << run.average;
    EXPECT_EQ(Requests(Sound::CashRegister), tills + 1);
    EXPECT_TRUE(BackOnTeamPage());
  }
}

// Tag duel.

TEST_F(Training, LeaningFollowsThePointersThirdAndTheEdgesKeepTheSide) {
  game.Press(400, 200);
  const struct {
    int x, side;
  } moves[] = {{199, 1}, {200, 1}, {201, 2}, {600, 2}, {601, 3}, {600, 3}, {599, 2}, {200, 2}};
  for (const auto& move : moves) {
    game.Move(move.x, 300);
    EXPECT_EQ(state().Duel.AimSide, move.side) << move.x;
  }
}

TEST_F(Training, PaintRunsOutAfterFiftyShotsAndOnlyTheFirstShotInTheAirPops) {
  game.Press(400, 200);
  const int pops = Requests(Sound::MarkerPop);
  game.Press(400, 300);  // behind cover nothing is fired
  EXPECT_EQ(state().Duel.DuelPaint, 50);
  game.Move(700, 300);
  for (int shot = 0; shot < 51; ++shot) game.Press(700, 300);
  EXPECT_EQ(state().Duel.DuelPaint, 0);
  EXPECT_EQ(state().Duel.RightShot, 2);
  EXPECT_EQ(Requests(Sound::MarkerPop), pops + 1);
}

TEST_F(Training, AShotCountsOnTheNextTickOnlyIfItsOpponentIsOut) {
  game.Press(400, 200);
  game.Move(100, 300);
  state().Duel.LeftState = 1;
  state().Duel.LeftPhase = 0;
  game.Press(100, 300);
  QuietDuelTicks(1);
  EXPECT_EQ(state().Duel.HitsLeft, 1);
  EXPECT_EQ(state().Duel.LeftState, 0);

  game.Press(100, 300);  // at an opponent in hiding: wasted
  QuietDuelTicks(1);
  state().Duel.LeftState = 1;
  QuietDuelTicks(1);
  EXPECT_EQ(state().Duel.HitsLeft, 1);
}

TEST_F(Training, ExposedToFireTheTraineeIsHitAtMostOnceInThreeTicks) {
  game.Press(400, 200);
  game.Move(700, 300);
  state().Duel.RightState = 2;
  QuietDuelTicks(4);
  EXPECT_EQ(state().Duel.TimesHit, 2);
}

TEST_F(Training, CoverCostsTwoHitsASideEvery250TicksButNotBelowNothing) {
  game.Press(400, 200);
  state().Duel.CoverMeter = 498;
  state().Duel.HitsLeft = 1;
  state().Duel.HitsRight = 5;
  QuietDuelTicks(1);
  EXPECT_EQ(state().Duel.HitsLeft, 0);
  EXPECT_EQ(state().Duel.HitsRight, 3);
  EXPECT_EQ(state().Duel.CoverMeter, 0);
}

TEST_F(Training, AgilityRisesWhenHalfTheHitsBeatTheTimesHitAndAgainWhenTheyBeatTwice) {
  const struct {
    int times_hit, points;
  } duels[] = {{4, 2}, {5, 1}, {6, 1}, {10, 0}};
  for (const auto& duel : duels) {
    SetUp();
    game.Press(400, 200);
    const int agility = career().Agility[3];
    state().Duel.HitsLeft = state().Duel.HitsRight = 10;
    state().Duel.TimesHit = duel.times_hit;
    state().Duel.TrainTicks = 1;
    QuietDuelTicks(1);
    EXPECT_EQ(career().Agility[3], agility + duel.points) << duel.times_hit;
    EXPECT_TRUE(BackOnTeamPage());
  }
}

// Target shooting.

TEST(TargetShooting, EachSquareRingWithinWhichTheBallLandsScoresTwo) {
  const struct {
    int miss_x, miss_y, score;
  } landings[] = {{0, 0, 10}, {2, -2, 10}, {3, 0, 8}, {-6, 6, 8}, {7, 0, 6}, {13, 13, 6}, {0, 14, 4},
                  {17, -17, 4}, {18, 0, 2}, {21, 0, 2}, {0, -21, 2}, {22, 0, 0}, {0, 22, 0}, {21, 22, 0}};
  for (const auto& landing : landings) {
    EXPECT_EQ(training::LandingScore(landing.miss_x, landing.miss_y), landing.score)
        << landing.miss_x << "," << landing.miss_y;
  }
}

TEST_F(Training, TheReadyClickSoundsWithOneTickOfReloadLeftAndOnlyThenCanTheNextBallGo) {
  game.Press(100, 200);
  game.Press(150, 150);
  EXPECT_EQ(state().Target.ShotsLeft, 9);
  const int clicks = Requests(Sound::Click);
  for (int tick = 1; tick <= 18; ++tick) game.Tick();
  game.Press(150, 150);
  EXPECT_EQ(state().Target.ShotsLeft, 9);
  EXPECT_EQ(Requests(Sound::Click), clicks);
  game.Tick();
  EXPECT_EQ(Requests(Sound::Click), clicks + 1);
  game.Press(150, 150);
  EXPECT_EQ(state().Target.ShotsLeft, 9);
  game.Tick();
  game.Press(150, 150);
  EXPECT_EQ(state().Target.ShotsLeft, 8);
}

TEST_F(Training, WindPushesTheBallOnlyInWholeThirdsAndTheAimHoldsWhileItFlies) {
  const struct {
    int wind, push;
  } winds[] = {{-10, -27}, {-3, -9}, {-2, 0}, {0, 0}, {2, 0}, {3, 9}, {9, 27}};
  for (const auto& wind : winds) {
    SetUp();
    game.Press(100, 200);
    game.Move(150, 200);
    state().Target.ShootWind = wind.wind;
    game.Press(150, 150);
    game.Move(40, 100);
    // Nine moves without wander and with a drop of 2, and no change of wind.
    for (int tick = 0; tick < 9; ++tick) {
      game.program.Rng.Script({1, 1, 0, 0});
      game.Tick();
    }
    EXPECT_EQ(state().Target.AimX, -170);
    EXPECT_EQ(state().Target.MissX, -170 - (150 + wind.push) + 288) << wind.wind;
    EXPECT_EQ(state().Target.MissY, -120 + state().Target.Sway - (125 + 18) + 201) << wind.wind;
  }
}

TEST_F(Training, TheScoreOfTenBallsDecidesAccuracyOnBothSidesOfEachEdge) {
  const struct {
    int score, points;
  } ranges[] = {{70, 0}, {71, 1}, {85, 1}, {86, 2}};
  for (const auto& range : ranges) {
    SetUp();
    game.Press(100, 200);
    const int accuracy = career().Accuracy[3];
    const int tills = Requests(Sound::CashRegister);
    state().Target.ShotsLeft = 0;
    state().Target.ShootScore = range.score;
    game.Tick();
    EXPECT_EQ(career().Accuracy[3], accuracy + range.points) << range.score;
    EXPECT_EQ(Requests(Sound::CashRegister), tills + 1);
    EXPECT_TRUE(BackOnTeamPage());
  }
}

}  // namespace

namespace {

// Paying on the team page and running the whole fifty seconds with both buttons released on
// every tick.
TEST(TrainingPlayed, AFullSpeedRunPaidForOnTheTeamPageEndsThereCappedAtTwenty) {
  Game game;
  game.ShowOnly(game.program.Form4());
  game.program.Career.Cash = 500;
  game.program.Career.Speed[1] = 19;
  game.program.Career.Endurance[1] = 5;
  game.Press(575, 25);
  game.Tick();
  game.Press(600, 200);
  for (int tick = 0; tick < training::kRunTicks; ++tick) {
    for (const MouseButton button : {MouseButton::Left, MouseButton::Right}) {
      game.Press(300, 300, button);
      game.Release(300, 300, button);
    }
    game.Tick();
  }
  EXPECT_TRUE(game.program.Form4().Visible());
  EXPECT_FALSE(game.program.Form17().Visible());
  EXPECT_EQ(game.program.Career.Endurance[1], 7);
  game.Tick();
  EXPECT_EQ(game.program.Career.Speed[1], 20);
  EXPECT_EQ(game.program.Career.Cash, 0);
}

// Closing the range's window only hides it; its tick, still running, ends the training and
// brings back the team page before the watchdog looks, and only the team page shows.
TEST(TrainingPlayed, ARangeClosedOnItsLastShotHandsOverToTheTeamPageAlone) {
  Game game;
  game.Wait(60);
  game.ShowOnly(game.program.Form19());
  game.Wait(90);  // the watchdog has just looked; the range's tick comes 10 ms later
  game.program.Training.Target.ShotsLeft = 0;
  game.program.Training.Target.BallFlight = 0;
  EXPECT_FALSE(game.program.CloseWindow());
  game.Wait(100);
  int shown = 0;
  for (const core::Screen* screen : game.program.Screens()) shown += screen->Visible();
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(game.program.Form4().Visible());
}

}  // namespace
