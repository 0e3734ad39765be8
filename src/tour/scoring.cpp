#include "tour/scoring.h"

#include <algorithm>

#include "career/counters.h"

namespace tour {

namespace {

constexpr int kTeamSize = 7;
constexpr int32 kTagPoints = 5;
constexpr int32 kPullPoints = 15;
constexpr int32 kHangPoints = 50;
constexpr int32 kCashPerPoint = 15;
constexpr int32 kClockTicksPerBonusDollar = 25;
constexpr int32 kMatchesPerCountry = 2;

bool WholeOppositionTagged(const MatchCounts& counts) { return counts.Tagged == kTeamSize; }

// B: nothing when the whole opposition is out, else the pull and hang the team missed.
int32 OppFlagPoints(const MatchCounts& counts) {
  if (WholeOppositionTagged(counts)) return 0;
  if (counts.Pulled == 0) return kPullPoints + kHangPoints;
  return counts.Hung == 0 ? kHangPoints : 0;
}

}  // namespace

MatchCounts CountMatch(const match::MatchState& match, const career::CareerRecord& career) {
  MatchCounts counts;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    counts.Tagged += match.OppInPlay[slot] == 0;
    counts.Lost += career.InPlay[slot] == 0;
    if (career.HasFlag[slot] == 1) counts.Pulled = 1;
  }
  counts.Hung = match.FlagHung == 1 ? 1 : 0;
  return counts;
}

int32 OwnTagPoints(const MatchCounts& counts) { return kTagPoints * counts.Tagged; }
int32 OwnPullPoints(const MatchCounts& counts) { return kPullPoints * counts.Pulled; }
int32 OwnHangPoints(const MatchCounts& counts) { return kHangPoints * counts.Hung; }
int32 OppTagPoints(const MatchCounts& counts) { return kTagPoints * counts.Lost; }

int32 OppPullPoints(const MatchCounts& counts) {
  return counts.Pulled == 0 && !WholeOppositionTagged(counts) ? kPullPoints : 0;
}

int32 OppHangPoints(const MatchCounts& counts) {
  return counts.Hung == 0 && !WholeOppositionTagged(counts) ? kHangPoints : 0;
}

int32 OwnScore(const MatchCounts& counts) {
  return OwnTagPoints(counts) + OwnPullPoints(counts) + OwnHangPoints(counts) - counts.Lost;
}

int32 OppScore(const MatchCounts& counts) { return OppTagPoints(counts) - counts.Tagged + OppFlagPoints(counts); }

int32 MatchResult::ScoreBasedCash() const { return std::max(0, kCashPerPoint * OwnScore); }

MatchResult ScoreMatch(const MatchCounts& counts, int32 match_clock) {
  MatchResult result;
  result.OwnScore = OwnScore(counts);
  result.OppScore = OppScore(counts);
  result.TimeBonus = result.Lost() ? 0 : match_clock / kClockTicksPerBonusDollar;
  result.PrizeMoney = std::max(0, kCashPerPoint * result.OwnScore + result.TimeBonus);
  return result;
}

void CountResult(career::CareerRecord& career, const MatchResult& result) {
  using career::CountOn;
  career.Cash = career::SaturatingAdd(career.Cash, result.PrizeMoney);
  if (result.Won()) CountOn(career.Wins);
  if (result.Lost()) CountOn(career.Losses);
  if (result.Lost()) return;
  CountOn(career.MatchOfStage);
  // A country whose count is already past its last match (a wild saved value) is done too.
  if (career.MatchOfStage > kMatchesPerCountry) {
    career.MatchOfStage = 1;
    CountOn(career.TourStage);
    career.MatchPending = 0;
  }
}

}  // namespace tour
