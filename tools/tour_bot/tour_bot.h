#pragma once
// A bot that plays a whole tour headless as a player would: it clicks through the title, the
// options, team building, the team page, travel, the line-up, the result and the victory, and
// plays every match through the match screen's own input: keys 1..7 to select, the MOVE / FIRE
// button, the pointer moved over the field with a tick to see whether the dotted path is clear,
// and clicks for move and fire orders. It reads whatever the screen shows but writes nothing.
// Its play: shooters walk up and down clear columns of their half, so that paint aimed where
// they stood misses, and fire at the opponents they see; once the opposition is out (or time
// runs short) the player nearest the flag fetches it by the way least in sight and sprints home.
#include <array>
#include <functional>
#include <optional>

#include "app/headless_game.h"
#include "bot_field_map.h"
#include "career/field_point.h"
#include "career/slots.h"

namespace tour_bot {

enum class MatchOutcome { Won, Drawn, Lost };

class TourBot {
 public:
  explicit TourBot(app::HeadlessGame& game) : game_(game) {}

  // From the title screen to the team page of a new career on the easy challenge.
  void StartEasyCareer();
  // From the team page: shopping, "Next Match", travel, the line-up, the match and its result,
  // back on the team page (or the victory screen after the last match).
  MatchOutcome PlayNextMatch();
  bool TourWon() const;
  // The click on the victory screen; the title comes back in its closing state.
  void EndTour();

  // Only the match, from PLAY to the result screen.
  void PlayMatch();

  // Told after every tick of a match, to watch the bot play.
  std::function<void()> AfterMatchTick;

 private:
  app::Program& program() const { return game_.program; }
  void Shop();
  void BuyFor(int slot, int menu_x, int times);
  void LeaveResult();

  // One tick of the match: aims for all, a move order for one.
  void PlayOneTick();
  void Resume();
  career::FieldPoint GoalOf(int slot);
  career::FieldPoint PatrolGoal(int slot);
  void ChoosePatrolColumns();
  career::FieldPoint DuelSpot(int slot) const;
  void SprintWithTheFlag();
  void HoldFireOverTeamMates();
  bool TeamMateInLine(int slot, const career::FieldPoint& aim) const;
  bool TryMoveOrder(int slot, const career::FieldPoint& goal);
  void Aim(int slot);
  void Select(int slot);
  void SetOrderMode(int mode);
  bool NearOwnPlayer(const career::FieldPoint& field) const;

  app::HeadlessGame& game_;
  int next_slot_ = 1;
  FieldMap map_;
  int surveyed_at_ = -1;
  std::array<int, 8> patrol_x_{};
  std::array<bool, 8> patrol_down_{};
  career::Slots<career::FieldPoint, 7> opposition_seen_{};
};

}  // namespace tour_bot
