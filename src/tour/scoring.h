#pragma once
#include "career/career_record.h"
#include "match/match_state.h"

namespace tour {

using int32 = career::int32;

// What the finished match left behind, counted over slots 1..7.
struct MatchCounts {
  int Tagged = 0;  // T: opponents tagged out
  int Lost = 0;    // L: own players tagged out
  int Pulled = 0;  // P: 1 when an own player holds the flag
  int Hung = 0;    // H: 1 when the flag was hung
};

MatchCounts CountMatch(const match::MatchState& match, const career::CareerRecord& career);

// The points on the score sheet, each line as it is shown.
int32 OwnTagPoints(const MatchCounts& counts);
int32 OwnPullPoints(const MatchCounts& counts);
int32 OwnHangPoints(const MatchCounts& counts);
int32 OppTagPoints(const MatchCounts& counts);
// The opposition is credited with the pull and the hang the team did not achieve, unless
// it has nobody left.
int32 OppPullPoints(const MatchCounts& counts);
int32 OppHangPoints(const MatchCounts& counts);

int32 OwnScore(const MatchCounts& counts);
int32 OppScore(const MatchCounts& counts);

// The match's result and what it pays.
struct MatchResult {
  int32 OwnScore = 0;
  int32 OppScore = 0;
  int32 TimeBonus = 0;
  int32 PrizeMoney = 0;

  bool Won() const { return OwnScore > OppScore; }
  bool Lost() const { return OwnScore < OppScore; }
  // The cash for the points alone; a negative score earns nothing.
  int32 ScoreBasedCash() const;
};

MatchResult ScoreMatch(const MatchCounts& counts, int32 match_clock);

inline constexpr int32 kTourFinished = 21;

// What a press on the result sheet does to the career: the prize paid, the win or loss
// counted and, unless the match was lost, the tour moved on by one match.
void CountResult(career::CareerRecord& career, const MatchResult& result);

}  // namespace tour
