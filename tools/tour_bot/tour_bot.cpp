#include "tour_bot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "app/options_screen.h"
#include "app/title_screen.h"
#include "match/field_model.h"
#include "match/match_screen.h"
#include "match/sight.h"
#include "team/team_menu.h"
#include "team/team_page.h"
#include "tour/result_screen.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"

namespace tour_bot {

namespace {

using career::FieldPoint;
using match::kFieldTop;

// Where the player clicks, in picture coordinates.
constexpr int kTitleMenuState = 3;
constexpr int kNewGameX = 500, kNewGameY = 195;
constexpr int kChallengeX = 100, kChallengeY = 400;
constexpr int kOptionsNextX = 400, kOptionsNextY = 575;
constexpr int kTeamCompleteX = 600, kTeamCompleteY = 575;
constexpr int kMenuY = 25;
constexpr int kUpgradeGearX = 625, kBuyPaintX = 675, kNextMatchX = 770;
constexpr int kPlayX = 765, kPlayY = 500;
constexpr int kAnywhereX = 400, kAnywhereY = 300;
constexpr int kOrderModeX = 550, kOrderModeY = 505;
constexpr int kPauseX = 675, kPauseY = 505;
constexpr int kSprintX = 550, kSprintY = 565;

// The team page's player rows.
int RowY(int slot) { return 25 * slot + 55 + 12; }

constexpr int kEasy = 1;
constexpr int kTeamSize = match::kTeamSize;
// A match lasts 2500 running ticks; the bot gives up on one that runs far past that.
constexpr int kMostMatchTicks = 6000;
constexpr int kMostResultTicks = 100;

// Shopping: paint is topped up towards this, and a marker is upgraded while this much is left.
constexpr int kPaintWanted = 150;
constexpr int kCashKeptAfterUpgrade = 1500;

constexpr FieldPoint kHomeField{2.0, 200.0};
// A walk is aimed at least this far ahead so that the player keeps its full pace.
constexpr double kLeastStride = 120.0;
// A fire line that passes a team mate closer than this could tag it.
constexpr double kTeamMateMargin = 12.0;
constexpr int kRunners = 1;
constexpr int kSurveyTicks = 10;
// By then the flag must be on its way, whatever is left of the opposition.
constexpr int kLateRun = 1500;
// Shooters walk up and down columns of our half, this far apart.
constexpr int kPatrolFirstX = 60, kPatrolLastX = 420, kPatrolSpacing = 30;
constexpr double kPatrolTop = 20.0, kPatrolBottom = 380.0, kPatrolTurn = 100.0;
// About how far a paintball flies in a tick.
constexpr double kPaintSpeed = 15.0;
// What a place to fire from costs: out of sight, or seen by more than one opponent, or where a
// team mate is going.
constexpr double kHiddenScore = 80.0;
constexpr double kSeenScore = 60.0;
constexpr double kCrowding = 40.0;
constexpr double kCrowdingScore = 40.0;

bool OnField(const FieldPoint& p) { return p.x >= 1.0 && p.x <= 799.0 && p.y >= 1.0 && p.y <= 399.0; }

FieldPoint Whole(const FieldPoint& p) { return {std::floor(p.x), std::floor(p.y)}; }

// The distance from `p` to the segment from `a` to `b`.
double DistanceToSegment(const FieldPoint& p, const FieldPoint& a, const FieldPoint& b) {
  const FieldPoint ab{b.x - a.x, b.y - a.y};
  const double length_squared = ab.x * ab.x + ab.y * ab.y;
  double t = length_squared > 0 ? ((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / length_squared : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return career::Distance(p, {a.x + t * ab.x, a.y + t * ab.y});
}

}  // namespace

void TourBot::StartEasyCareer() {
  app::Program& p = program();
  game_.Tick();
  for (int click = 0; click < 10 && p.Form1().TitleState < kTitleMenuState; ++click) game_.Click(kAnywhereX, kAnywhereY);
  game_.Press(kNewGameX, kNewGameY);
  for (int tick = 0; tick < 10 && !p.Form3().Visible(); ++tick) game_.Tick();
  for (int press = 0; press < 3 && p.Career.Challenge != kEasy; ++press) game_.Press(kChallengeX, kChallengeY);
  game_.Tick();
  game_.Press(kOptionsNextX, kOptionsNextY);
  game_.Tick();
  game_.Press(kTeamCompleteX, kTeamCompleteY);
  game_.Tick();
}

bool TourBot::TourWon() const { return program().Form11().Visible(); }

MatchOutcome TourBot::PlayNextMatch() {
  app::Program& p = program();
  Shop();
  game_.Press(kNextMatchX, kMenuY);
  game_.Tick();
  if (p.Form10().Visible()) {
    game_.Press(kAnywhereX, kAnywhereY);
    game_.Tick();
  }
  game_.Press(kPlayX, kPlayY);
  PlayMatch();
  const int wins = p.Career.Wins, losses = p.Career.Losses;
  LeaveResult();
  if (p.Career.Wins > wins) return MatchOutcome::Won;
  if (p.Career.Losses > losses) return MatchOutcome::Lost;
  return MatchOutcome::Drawn;
}

void TourBot::Shop() {
  const career::CareerRecord& career = program().Career;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    const int paint_buys = std::max(0, (kPaintWanted - career.Paint[slot]) / 10);
    BuyFor(slot, kBuyPaintX, paint_buys);
    if (career.Cash >= team::kUpgradePrice + kCashKeptAfterUpgrade) BuyFor(slot, kUpgradeGearX, 1);
  }
}

void TourBot::BuyFor(int slot, int menu_x, int times) {
  if (times == 0) return;
  game_.Press(100, RowY(slot));
  for (int buy = 0; buy < times; ++buy) game_.Press(menu_x, kMenuY);
}

void TourBot::LeaveResult() {
  app::Program& p = program();
  for (int tick = 0; tick < kMostResultTicks && p.Form9().Visible() && p.Shared.ResultClickLock > 0; ++tick) game_.Tick();
  game_.Tick();
  game_.Press(kAnywhereX, kAnywhereY);
  game_.Tick();
}

void TourBot::EndTour() {
  game_.Press(kAnywhereX, kAnywhereY);
  game_.Wait(100);
}

void TourBot::PlayMatch() {
  next_slot_ = 1;
  surveyed_at_ = -1;
  ChoosePatrolColumns();
  opposition_seen_ = program().Match.OppPos;
  for (int tick = 0; tick < kMostMatchTicks && program().Form8().Visible(); ++tick) {
    PlayOneTick();
    if (AfterMatchTick) AfterMatchTick();
  }
}

void TourBot::Resume() {
  const app::Program& p = program();
  if (p.Match.Paused == 1 && p.Shared.ResultClickLock < 1) game_.Press(kPauseX, kPauseY);
}

// Between two ticks every player in play is aimed afresh (in FIRE mode a click on the field
// needs no look at the path first), and the next player whose goal has moved gets a move order,
// which takes the tick.
void TourBot::PlayOneTick() {
  const career::CareerRecord& career = program().Career;
  Resume();
  const int clock = program().Match.MatchClock;
  if (surveyed_at_ < 0 || std::abs(surveyed_at_ - clock) >= kSurveyTicks) {
    map_.Survey(program().Match);
    surveyed_at_ = clock;
  }
  SprintWithTheFlag();
  HoldFireOverTeamMates();
  if (program().Match.MoveBlocked == 0) {
    for (int slot = 1; slot <= kTeamSize; ++slot) {
      if (career.InPlay[slot] == 1) Aim(slot);
    }
  }
  for (int slot = 1; slot <= kTeamSize; ++slot) opposition_seen_[slot] = program().Match.OppPos[slot];
  for (int tried = 0; tried < kTeamSize; ++tried) {
    const int slot = next_slot_;
    next_slot_ = next_slot_ % kTeamSize + 1;
    if (career.InPlay[slot] != 1) continue;
    if (TryMoveOrder(slot, GoalOf(slot))) return;
  }
  game_.Tick();
}

FieldPoint TourBot::GoalOf(int slot) {
  const career::CareerRecord& career = program().Career;
  const match::MatchState& match = program().Match;
  if (career.HasFlag[slot] == 1) return kHomeField;
  bool carried = false;
  int tagged = 0;
  for (int j = 1; j <= kTeamSize; ++j) carried = carried || career.HasFlag[j] == 1;
  for (int i = 1; i <= kTeamSize; ++i) tagged += match.OppInPlay[i] == 0;
  const bool time_to_run = tagged == kTeamSize || match.MatchClock < kLateRun;
  const FieldPoint flag = match::ToField(match.FlagPos);
  if (!carried && time_to_run) {
    // The runners are the players in play nearest the flag.
    const double mine = career::Distance(career.PlayerPos[slot], flag);
    int nearer = 0;
    for (int j = 1; j <= kTeamSize; ++j) {
      if (j != slot && career.InPlay[j] == 1 && career::Distance(career.PlayerPos[j], flag) < mine) ++nearer;
    }
    if (nearer < kRunners) return flag;
  }
  return PatrolGoal(slot);
}

// A shooter keeps walking up and down a clear line across the field, so that paint aimed where
// it stood lands behind it.
FieldPoint TourBot::PatrolGoal(int slot) {
  const FieldPoint from = program().Career.PlayerPos[slot];
  if (patrol_x_[slot] == 0) return DuelSpot(slot);
  FieldPoint end{static_cast<double>(patrol_x_[slot]), patrol_down_[slot] ? kPatrolBottom : kPatrolTop};
  if (career::Distance(from, end) < kPatrolTurn) {
    patrol_down_[slot] = !patrol_down_[slot];
    end.y = patrol_down_[slot] ? kPatrolBottom : kPatrolTop;
  }
  return end;
}

// Columns across our half that no bunker stands on, one for each player and apart enough that
// one paintball never tags two; a player without one looks for a place to fire from instead.
void TourBot::ChoosePatrolColumns() {
  const auto& bunkers = program().Match.Bunkers;
  std::vector<int> columns;
  for (int x = kPatrolFirstX; x <= kPatrolLastX && columns.size() < kTeamSize; x += 5) {
    const bool apart = columns.empty() || x - columns.back() >= kPatrolSpacing;
    if (apart && match::LineIsClear(bunkers, {double(x), kPatrolTop}, {double(x), kPatrolBottom})) columns.push_back(x);
  }
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    patrol_x_[slot] = slot <= static_cast<int>(columns.size()) ? columns[columns.size() - slot] : 0;
    patrol_down_[slot] = slot % 2 == 0;
  }
}

// A place to fire from: seen by as few opponents as possible but by one at least, near it,
// not far to walk, and not where a team mate is already going.
FieldPoint TourBot::DuelSpot(int slot) const {
  const career::CareerRecord& career = program().Career;
  const FieldPoint from = career.PlayerPos[slot];
  FieldPoint best = from;
  double best_score = std::numeric_limits<double>::max();
  for (int cell = 0; cell < FieldMap::kColumns * FieldMap::kRows; ++cell) {
    if (!map_.Walkable(cell)) continue;
    const FieldPoint centre = FieldMap::Centre(cell);
    const int seen_by = map_.Exposure(cell);
    double score = career::Distance(from, centre) / 4.0;
    score += seen_by == 0 ? kHiddenScore : kSeenScore * (seen_by - 1) + map_.NearestSeer(cell) / 5.0;
    for (int j = 1; j <= kTeamSize; ++j) {
      if (j != slot && career.InPlay[j] == 1 && match::Closer(career.PlayerTarget[j], centre, kCrowding)) score += kCrowdingScore;
    }
    if (score < best_score) best_score = score, best = centre;
  }
  return best;
}

// The carrier runs for home.
void TourBot::SprintWithTheFlag() {
  const career::CareerRecord& career = program().Career;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    if (career.HasFlag[slot] != 1 || career.InPlay[slot] != 1 || career.Sprint[slot] != 0) continue;
    Select(slot);
    game_.Press(kSprintX, kSprintY);
  }
}

// Picks a waypoint whose straight path is clear of the bunkers and leads on to the goal, shows
// it with the pointer, lets a tick draw the path, and clicks only if the dots stayed black.
bool TourBot::TryMoveOrder(int slot, const FieldPoint& goal) {
  app::Program& p = program();
  const FieldPoint from = p.Career.PlayerPos[slot];
  const auto& bunkers = p.Match.Bunkers;
  FieldPoint target = Whole(map_.Waypoint(p.Match, from, goal));
  if (career::Distance(from, target) < 15.0 || !match::LineIsClear(bunkers, from, target)) return false;
  const FieldPoint way{target.x - from.x, target.y - from.y};
  const double length = career::Length(way);
  if (length < kLeastStride) {
    const FieldPoint ahead = Whole({from.x + way.x * kLeastStride / length, from.y + way.y * kLeastStride / length});
    if (OnField(ahead) && match::LineIsClear(bunkers, from, ahead)) target = ahead;
  }
  // An order to where the player already walks is no job.
  if (career::Distance(p.Career.PlayerTarget[slot], target) < 20.0 || NearOwnPlayer(target)) return false;

  Select(slot);
  SetOrderMode(match::kMoveMode);
  const int x = static_cast<int>(target.x), y = static_cast<int>(target.y + kFieldTop);
  game_.Move(x, y);
  game_.Tick();
  if (!p.Form8().Visible()) return true;
  if (p.Match.MoveBlocked == 0 && !NearOwnPlayer(target)) game_.Press(x, y);
  SetOrderMode(match::kFireMode);
  return true;
}

// Fires at the nearest opponent in play that the player can see past the bunkers without a
// team mate in the line of fire, where its walk will have taken it when the paint arrives;
// stops firing when there is none.
void TourBot::Aim(int slot) {
  app::Program& p = program();
  const career::CareerRecord& career = p.Career;
  const match::MatchState& match = p.Match;
  const FieldPoint from = career.PlayerPos[slot];
  std::optional<FieldPoint> aim;
  double nearest = std::numeric_limits<double>::max();
  for (int i = 1; i <= kTeamSize; ++i) {
    const FieldPoint at = match.OppPos[i];
    if (match.OppInPlay[i] != 1 || match.OppVisible[i] != 1 || !OnField(at)) continue;
    if (!match::LineIsClear(match.Bunkers, from, at)) continue;
    const double flight = career::Distance(from, at) / kPaintSpeed;
    const FieldPoint ahead = Whole({at.x + (at.x - opposition_seen_[i].x) * flight, at.y + (at.y - opposition_seen_[i].y) * flight});
    if (!OnField(ahead) || NearOwnPlayer(ahead) || TeamMateInLine(slot, ahead)) continue;
    if (career::Distance(from, at) < nearest) nearest = career::Distance(from, at), aim = ahead;
  }
  if (!aim) {
    if (career.Firing[slot] == 0) return;
    Select(slot);
    p.KeyPress(' ');
    return;
  }
  if (career.Firing[slot] == 1 && career::Distance(match::ToField(career.AimPoint[slot]), *aim) < 4.0) return;
  Select(slot);
  SetOrderMode(match::kFireMode);
  game_.Press(static_cast<int>(aim->x), static_cast<int>(aim->y + kFieldTop));
}

// A team mate between the shooter and where its paint lands.
bool TourBot::TeamMateInLine(int slot, const FieldPoint& aim) const {
  const career::CareerRecord& career = program().Career;
  const FieldPoint from = career.PlayerPos[slot];
  for (int j = 1; j <= kTeamSize; ++j) {
    if (j != slot && career.InPlay[j] == 1 && DistanceToSegment(career.PlayerPos[j], from, aim) < kTeamMateMargin) return true;
  }
  return false;
}

// Space stops a player's fire as soon as a team mate walks into its line.
void TourBot::HoldFireOverTeamMates() {
  const career::CareerRecord& career = program().Career;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    if (career.InPlay[slot] != 1 || career.Firing[slot] != 1 || !TeamMateInLine(slot, match::ToField(career.AimPoint[slot]))) continue;
    Select(slot);
    program().KeyPress(' ');
  }
}

void TourBot::Select(int slot) {
  if (program().Shared.SelectedPlayer != slot) program().KeyPress(static_cast<char>('0' + slot));
}

void TourBot::SetOrderMode(int mode) {
  if (program().Match.OrderMode != mode) game_.Press(kOrderModeX, kOrderModeY);
}

// A click within reach of a team mate in play would select it instead of giving the order.
bool TourBot::NearOwnPlayer(const FieldPoint& field) const {
  const career::CareerRecord& career = program().Career;
  for (int j = 1; j <= kTeamSize; ++j) {
    if (career.InPlay[j] == 1 && match::Closer(career.PlayerPos[j], field, match::kReachRadius + 2.0)) return true;
  }
  return false;
}

}  // namespace tour_bot
