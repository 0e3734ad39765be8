// Any bytes at all as datarecord.dat: the career is continued from them and then every screen
// that the team page leads to gets a tick or two and a few presses, through the screens' own
// handlers and the program's input, on to a match, its result and the tour's advance.
// A tick or handler that takes more than 100 ms of processor time, again when the same file is
// walked a second time, is a hang.
// A save's faults lie at the ends of its numbers' range, which libFuzzer's own changes hardly
// reach: they nudge a number by up to ten or put a byte or a word at any offset. So one change
// in two puts a telling value into one whole 32-bit field of the record instead.
#include <sys/resource.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/title_screen.h"
#include "career/save_file.h"
#include "match/match_screen.h"
#include "support/career_rules.h"
#include "support/fake_host.h"
#include "support/game_texts.h"
#include "support/press_areas.h"
#include "team/team_page.h"
#include "tour/next_match_screen.h"
#include "tour/result_screen.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"

namespace {

using testing_support::Game;
using testing_support::PressArea;
using testing_support::PressAreasOf;

constexpr double kHangSeconds = 0.1;
constexpr int kMatchTicks = 15;
// SPLATVANE_FUZZ_WALK=1 prints the screen of every tick, to see where the walk goes, and the
// slowest call of each walk.
const bool kTellWalk = std::getenv("SPLATVANE_FUZZ_WALK") != nullptr;

// The team page's menu, by the order of its press areas.
enum MenuArea { kPlayers, kWorld, kGear, kTrain, kUpgrade, kPaint, kMusic, kNextMatch, kRecruitment, kExit, kHelp };

// The thread's own computing time: time the machine spends on other work, or on mapping
// memory for it, is no hang of the game's.
double ProcessorSeconds() {
  rusage used{};
  getrusage(RUSAGE_THREAD, &used);
  return static_cast<double>(used.ru_utime.tv_sec) + static_cast<double>(used.ru_utime.tv_usec) * 1e-6;
}

class Visitor {
 public:
  explicit Visitor(const std::uint8_t* data, std::size_t size) {
    game_.host.keep_frames = false;
    game_.host.files.files[career::kSaveFileName].assign(data, data + size);
    testing_support::PutHelpTexts(game_.host.files);
  }

  void Run() {
    ContinueCareer();
    if (Shown() == 11) return LeaveVictory();
    for (const MenuArea item : {kWorld, kGear, kRecruitment}) VisitAndComeBack(item);
    LookAtHelp();
    for (int choice = 0; choice < 4; ++choice) Train(choice);
    ShopOnTeamPage();
    PlayNextMatch();
  }

  app::Program& program() { return game_.program; }

  // The first call that took more than 100 ms, or nothing.
  const std::string& SlowCall() const { return slow_call_; }
  double SlowestSeconds() const { return slowest_; }

 private:
  // Every call into the game is timed: a tick or a handler is a hang past 100 ms.
  void Timed(const char* what, const std::function<void()>& call) {
    const double started = ProcessorSeconds();
    call();
    const double took = ProcessorSeconds() - started;
    slowest_ = std::max(slowest_, took);
    if (took > kHangSeconds && slow_call_.empty()) {
      slow_call_ = std::string(what) + " took " + std::to_string(static_cast<int>(took * 1000)) + " ms on screen " + std::to_string(Shown());
    }
  }

  int Shown() {
    const core::Screen* screen = program().VisibleScreen();
    return screen ? screen->Number() : 0;
  }

  // 100 ms in steps of 10, as the real loop runs them: one tick of every running timer, timed
  // as one.
  void Tick() {
    if (kTellWalk) std::fprintf(stderr, " %d", Shown());
    Timed("a tick", [&] {
      for (int waited = 0; waited < 100; waited += 10) {
        game_.host.now += 10;
        game_.host.audio.Advance(10);
        program().Advance(game_.host.now);
      }
    });
  }

  static PressArea Middle(const PressArea& area) { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2, 0, 0}; }

  void ClickAt(int x, int y, core::MouseButton button = core::MouseButton::Left) {
    Timed("a press", [&] { program().MouseDown(x, y, button); });
    Timed("a release", [&] { program().MouseUp(x, y, button); });
  }

  // A click in the middle of press area `index` of the screen showing now.
  void ClickArea(std::size_t index) {
    const auto areas = PressAreasOf(Shown());
    if (index >= areas.size()) return;
    const PressArea& area = areas[index];
    if (area.left < 0) return ClickAt(400, 300);
    const PressArea middle = Middle(area);
    ClickAt(middle.left, middle.top);
  }

  void Key(char key) {
    Timed("a key", [&] { program().KeyPress(key); });
  }

  void Move(int x, int y) {
    Timed("a move", [&] { program().MouseMove(x, y); });
  }

  // A mini-game runs for hundreds of ticks: the walk goes on from the team page, where the
  // mini-game's end would leave it, instead of playing it out.
  void BackOnTeamPage() {
    if (!program().Form4().Visible()) game_.ShowOnly(program().Form4());
  }

  void ContinueCareer() {
    ClickAt(400, 300);
    ClickAt(400, 300);
    const PressArea continue_game = Middle(testing_support::press_areas::kTitle[1]);
    ClickAt(continue_game.left, continue_game.top);
    Tick();
    Tick();
    if (Shown() == 4) CheckTeamPageRules();
  }

  // Whatever the file held, a tick of the team page leaves the attributes and markers in bounds.
  void CheckTeamPageRules() {
    for (const std::string& broken : {testing_support::AttributesAboveTwenty(program().Career), testing_support::LowTechGearAboveTwo(program().Career)}) {
      if (broken.empty()) continue;
      std::fprintf(stderr, "%s\n", broken.c_str());
      std::abort();
    }
  }

  // A menu item of the team page, one or two ticks and a press on each button of the screen
  // it opens, its way back pressed last.
  void VisitAndComeBack(MenuArea item) {
    BackOnTeamPage();
    ClickArea(item);
    Tick();
    const std::size_t buttons = PressAreasOf(Shown()).size();
    for (std::size_t area = 0; area < buttons; ++area) {
      if (area != WayBack(Shown())) ClickArea(area);
    }
    Tick();
    ClickArea(WayBack(Shown()));
  }

  // The help screen shows the game's own texts, which no save changes: its way back is
  // enough, as the press draws the screen once more before it goes.
  void LookAtHelp() {
    BackOnTeamPage();
    ClickArea(kHelp);
    ClickArea(WayBack(Shown()));
  }

  static std::size_t WayBack(int screen) {
    switch (screen) {
      case 5: return 1;   // NEXT
      case 12: return 1;  // CANCEL
      case 13: return 1;  // CANCEL
      default: return 0;
    }
  }

  // Training for $500 and one of its four choices; a mini-game gets a few moves and presses.
  // The menu, the same each time, is drawn on the first visit only.
  void Train(int choice) {
    BackOnTeamPage();
    ClickArea(kTrain);
    if (choice == 0) Tick();
    if (Shown() != 16) return;
    ClickArea(static_cast<std::size_t>(choice));
    Tick();
    for (const int x : {100, 400, 700}) {
      Move(x, 300);
      ClickAt(x, 300, x < 400 ? core::MouseButton::Left : core::MouseButton::Right);
    }
    Tick();
  }

  void ShopOnTeamPage() {
    BackOnTeamPage();
    for (const int y : {90, 115, 140, 165, 190, 215, 240}) {
      ClickAt(200, y);
      ClickArea(kUpgrade);
      ClickArea(kPaint);
    }
    ClickArea(kMusic);
    Move(475, 25);
    Tick();
  }

  void PlayNextMatch() {
    BackOnTeamPage();
    ClickArea(kNextMatch);
    Tick();
    if (Shown() == 10) {
      ClickAt(400, 300);
      Tick();
    }
    if (Shown() != 7) return;
    ClickArea(1);  // SWAP 1
    ClickArea(0);  // PLAY
    Tick();
    if (Shown() == 8) PlayMatch();
    if (Shown() == 9) LeaveResult();
    Tick();
    if (Shown() == 11) LeaveVictory();
  }

  // A click anywhere ends the career's play; the watchdog then brings back the title.
  void LeaveVictory() {
    Tick();
    ClickAt(400, 300);
    Tick();
  }

  // Fifteen ticks with an order between each; then the clock runs out.
  void PlayMatch() {
    const std::function<void(int)> orders[] = {
        [&](int) { ClickArea(2); },                                  // pause off
        [&](int tick) { Key(static_cast<char>('1' + tick % 7)); },  // select by key
        [&](int tick) { ClickAt(100 + tick * 23, 60 + tick * 11); },  // an order on the field
        [&](int) { ClickArea(0); },                                  // MOVE / FIRE
        [&](int tick) { ClickAt(700 - tick * 17, 400 - tick * 9); },
        [&](int) { Key(' '); },
        [&](int) { ClickArea(3); },                                  // SPRINT
        [&](int tick) { ClickAt(20 + 40 * (tick % 7), 500); },        // the strip
        [&](int) { ClickArea(1); },                                  // All Stop Firing
        [&](int tick) { Move(300 + tick * 13, 200 + tick * 7); },
    };
    for (int tick = 0; tick < kMatchTicks && Shown() == 8; ++tick) {
      orders[tick % std::size(orders)](tick);
      Tick();
    }
    if (Shown() != 8) return;
    program().Match.Paused = 0;
    program().Match.MatchClock = 1;
    Tick();
    Tick();
  }

  // The result's first twenty ticks refuse clicks; two are drawn, the rest are skipped.
  void LeaveResult() {
    Tick();
    program().Shared.ResultClickLock = 0;
    ClickAt(400, 300);
    Tick();
  }

  Game game_{true};
  std::string slow_call_;
  double slowest_ = 0;
};

// The record's 32-bit fields, each the career's own number or a slot array counted as one,
// so that the twelve numbers of the career are not lost among the slots.
struct IntField {
  std::size_t offset;
  std::size_t count;
};

#define INT_FIELD(name) IntField{offsetof(career::CareerRecord, name), sizeof(career::CareerRecord::name) / sizeof(career::int32)}
constexpr IntField kIntFields[] = {
    INT_FIELD(Challenge),   INT_FIELD(TechLevel),  INT_FIELD(Reserved),     INT_FIELD(HomeCountry), INT_FIELD(Cash),
    INT_FIELD(MatchPending), INT_FIELD(WeatherAllowed), INT_FIELD(TourStage), INT_FIELD(MatchOfStage), INT_FIELD(Wins),
    INT_FIELD(Losses),      INT_FIELD(MusicOn),    INT_FIELD(RecruitHired), INT_FIELD(Sprint),      INT_FIELD(Portrait),
    INT_FIELD(Speed),       INT_FIELD(Endurance),  INT_FIELD(Agility),      INT_FIELD(Accuracy),    INT_FIELD(Paint),
    INT_FIELD(GearLevel),   INT_FIELD(SpareStat),  INT_FIELD(Occupation),   INT_FIELD(TagsFor),     INT_FIELD(TagsAgainst),
    INT_FIELD(FlagPulls),   INT_FIELD(FlagHangs),  INT_FIELD(ShotCount),    INT_FIELD(ShotTimer),   INT_FIELD(InPlay),
    INT_FIELD(Firing),      INT_FIELD(HasFlag),    INT_FIELD(Spotted),
};
#undef INT_FIELD

using Int32Limits = std::numeric_limits<career::int32>;
constexpr career::int32 kTellingValues[] = {-1, 0, 1, 21, Int32Limits::max() - 1, Int32Limits::max(), Int32Limits::min(), Int32Limits::min() + 1};

// One telling value into one field, little-endian as the file keeps it.
void PutTellingValue(std::uint8_t* data, std::minstd_rand& random) {
  const IntField& field = kIntFields[random() % std::size(kIntFields)];
  const std::size_t offset = field.offset + sizeof(career::int32) * (random() % field.count);
  const career::int32 value = kTellingValues[random() % std::size(kTellingValues)];
  const std::uint8_t bytes[] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  std::memcpy(data + offset, bytes, sizeof bytes);
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max_size);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t max_size, unsigned int seed) {
  std::minstd_rand random(seed);
  if (size < career::kCareerRecordSize || random() % 2 == 0) return LLVMFuzzerMutate(data, size, max_size);
  PutTellingValue(data, random);
  return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Visitor visitor(data, size);
  visitor.Run();
  if (kTellWalk) std::fprintf(stderr, "; slowest call %.1f ms\n", visitor.SlowestSeconds() * 1000);
  if (visitor.SlowCall().empty()) return 0;
  // The same file walked again from the start takes the same path: a call slow twice is the
  // game's, a call slow once was the machine busy elsewhere.
  Visitor again(data, size);
  again.Run();
  if (again.SlowCall().empty()) return 0;
  std::fprintf(stderr, "hang: %s\n", again.SlowCall().c_str());
  std::abort();
}
