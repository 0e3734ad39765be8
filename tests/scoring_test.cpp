#include <gtest/gtest.h>

#include <limits>

#include "tour/scoring.h"

namespace {

TEST(Scoring, TheSheetsExamples) {
  struct Case {
    const char* what;
    tour::MatchCounts counts;  // tagged, lost, pulled, hung
    int clock, own, opp, prize;
  };
  const Case cases[] = {
      {"nobody tagged, time out: a loss", {0, 0, 0, 0}, 0, 0, 65, 0},
      {"pulled and hung, no losses", {0, 0, 1, 1}, 1000, 65, 0, 975 + 40},
      {"carried, not hung at the end: a loss", {0, 0, 1, 0}, 2000, 15, 50, 225},
      {"all seven tagged, no pull", {7, 3, 0, 0}, 500, 35 - 3, 5 * 3 - 7, 15 * 32 + 20},
      {"equal scores earn the bonus", {7, 7, 0, 0}, 2500, 28, 28, 15 * 28 + 100},
      {"a negative score pays nothing", {0, 5, 0, 0}, 2500, -5, 90, 0},
  };
  for (const Case& c : cases) {
    const tour::MatchResult result = tour::ScoreMatch(c.counts, c.clock);
    EXPECT_EQ(result.OwnScore, c.own) << c.what;
    EXPECT_EQ(result.OppScore, c.opp) << c.what;
    EXPECT_EQ(result.PrizeMoney, c.prize) << c.what;
  }
}

TEST(Scoring, AResultCountsAndMovesTheTourOnUnlessLost) {
  struct Case {
    const char* what;
    tour::MatchCounts counts;
    int match_of_stage, wins, losses, stage, next_match, pending;
  };
  const Case cases[] = {
      {"first match won", {7, 0, 1, 1}, 1, 1, 0, 5, 2, 1},
      {"second match drawn", {7, 7, 0, 0}, 2, 0, 0, 6, 1, 0},
      {"second match lost", {0, 0, 0, 0}, 2, 0, 1, 5, 2, 1},
      {"a count past the last match, from a saved file", {7, 0, 1, 1}, 7, 1, 0, 6, 1, 0},
  };
  for (const Case& c : cases) {
    career::CareerRecord career = career::EmptyCareerRecord();
    career.TourStage = 5;
    career.MatchOfStage = c.match_of_stage;
    career.MatchPending = 1;
    tour::CountResult(career, tour::ScoreMatch(c.counts, 0));
    EXPECT_EQ(career.Wins, c.wins) << c.what;
    EXPECT_EQ(career.Losses, c.losses) << c.what;
    EXPECT_EQ(career.TourStage, c.stage) << c.what;
    EXPECT_EQ(career.MatchOfStage, c.next_match) << c.what;
    EXPECT_EQ(career.MatchPending, c.pending) << c.what;
  }
}

// A damaged save's counts stop at the largest value; the money never turns negative.
TEST(Scoring, CountsAtTheLargestValueStayThere) {
  constexpr career::int32 kLargest = std::numeric_limits<career::int32>::max();
  const tour::MatchCounts won{7, 0, 1, 1}, lost{0, 0, 0, 0};
  struct Case {
    const char* what;
    career::int32 career::CareerRecord::*field;
    tour::MatchCounts counts;
  };
  const Case cases[] = {
      {"cash", &career::CareerRecord::Cash, won},         {"wins", &career::CareerRecord::Wins, won},
      {"losses", &career::CareerRecord::Losses, lost},    {"match of the stage", &career::CareerRecord::MatchOfStage, won},
      {"tour stage", &career::CareerRecord::TourStage, won},
  };
  for (const Case& c : cases) {
    career::CareerRecord career = career::EmptyCareerRecord();
    career.MatchOfStage = 2;
    career.Cash = 1000;
    career.*c.field = kLargest;
    const career::CareerRecord before = career;
    tour::CountResult(career, tour::ScoreMatch(c.counts, 1000));
    EXPECT_GT(career.Cash, 0) << c.what;
    if (c.field == &career::CareerRecord::MatchOfStage) {
      EXPECT_EQ(career.MatchOfStage, 1) << c.what;  // past the last match: the country is done
    } else {
      EXPECT_EQ(career.*c.field, kLargest) << c.what;
    }
    if (c.field == &career::CareerRecord::Losses) {
      EXPECT_EQ(career.Cash, before.Cash);
    }
  }
}

}  // namespace
