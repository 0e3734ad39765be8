#pragma once
// A monkey on every screen: random presses, releases, moves, keys and wheel turns, aimed
// mostly at the places that have buttons, sent to whatever screen is showing, with the clock
// moving on between them. After every event it checks the rules that no input may break.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "app/title_screen.h"
#include "career/save_file.h"
#include "support/career_rules.h"
#include "support/fake_host.h"
#include "support/game_texts.h"
#include "support/press_areas.h"
#include "team/team_page.h"
#include "tour/result_screen.h"

namespace testing_support {

class Monkey {
 public:
  explicit Monkey(std::uint32_t seed) : random_(seed) { StartProgram(); }

  // Sends `count` events. Returns what broke and the events that led there, or nothing.
  std::string Run(long count) {
    for (long event = 1; event <= count; ++event) {
      SendOneEvent();
      events_sent_ = event;
      std::string broken = broken_;
      if (broken.empty()) broken = BrokenRule();
      if (!broken.empty()) return "event " + std::to_string(event) + ": " + broken + "\nlast events:\n" + Trail();
      if (CareerOver()) StartProgram();
    }
    return {};
  }

  long ProgramsStarted() const { return programs_started_; }
  long EventsSent() const { return events_sent_; }
  // How often each screen was the one showing when an event came.
  const std::map<int, long>& EventsPerScreen() const { return events_per_screen_; }

 private:
  app::Program& program() { return game_->program; }

  // A fresh program on the same folder, so that a career saved before can be continued.
  void StartProgram() {
    std::map<std::string, std::vector<std::uint8_t>> kept;
    if (game_) kept = game_->host.files.files;
    game_ = std::make_unique<Game>();
    if (!kept.empty()) game_->host.files.files = kept;
    PutHelpTexts(game_->host.files);
    program().Rng.FixSeed(static_cast<std::uint32_t>(random_()));
    ++programs_started_;
  }

  // The title's closing picture, or a closed window: this career is over.
  bool CareerOver() {
    return game_->host.quit || (program().Form1().Visible() && program().Form1().TitleState == 4);
  }

  int Pick(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
  int Between(int low, int high) { return low + Pick(high - low + 1); }

  core::MouseButton AnyButton() {
    const int roll = Pick(20);
    return roll < 16 ? core::MouseButton::Left : roll < 19 ? core::MouseButton::Right : core::MouseButton::Middle;
  }

  struct Point {
    int x, y;
  };

  // A point in one of the screen's press areas, chosen by weight; now and then anywhere.
  Point AimedPoint(const core::Screen* screen) {
    const auto areas = screen ? PressAreasOf(screen->Number()) : std::span<const PressArea>{};
    if (areas.empty() || Pick(4) == 0) return {Between(-5, 805), Between(-5, 605)};
    int total = 0;
    for (const PressArea& area : areas) total += area.weight;
    int roll = Pick(total);
    for (const PressArea& area : areas) {
      if ((roll -= area.weight) >= 0) continue;
      if (area.left < 0) return {Pick(screen->Input().Width), Pick(screen->Input().Height)};
      return {Between(area.left, area.right), Between(area.top, area.bottom)};
    }
    return {0, 0};
  }

  char AnyKey() {
    static constexpr char kMatchKeys[] = "1234567 ";
    if (Pick(5) < 3) return kMatchKeys[Pick(8)];
    return static_cast<char>(Pick(256));
  }

  void SendOneEvent() {
    app::Program& game = program();
    const core::Screen* screen = game.VisibleScreen();
    ++events_per_screen_[screen ? screen->Number() : 0];
    const int kind = Pick(1000);
    const Point at = AimedPoint(screen);
    std::ostringstream said;
    said << "screen " << (screen ? screen->Number() : 0) << ": ";
    if (kind < 420) {
      const auto button = AnyButton();
      const Point off = Pick(8) == 0 ? AimedPoint(screen) : at;
      said << "click " << at.x << "," << at.y << " to " << off.x << "," << off.y << " button " << static_cast<int>(button);
      game.MouseDown(at.x, at.y, button);
      Remember(said.str());
      CheckSoFar();
      game.MouseUp(off.x, off.y, button);
    } else if (kind < 520) {
      said << "press " << at.x << "," << at.y;
      game.MouseDown(at.x, at.y, AnyButton());
    } else if (kind < 600) {
      said << "release " << at.x << "," << at.y;
      game.MouseUp(at.x, at.y, AnyButton());
    } else if (kind < 800) {
      said << "move " << at.x << "," << at.y;
      game.MouseMove(at.x, at.y);
    } else if (kind < 900) {
      const char key = AnyKey();
      said << "key " << static_cast<int>(static_cast<unsigned char>(key));
      game.KeyPress(key);
    } else if (kind < 950) {
      const int key = Pick(11);
      said << "edit key " << key;
      game.EditKeyPress(static_cast<core::EditKey>(key));
    } else if (kind < 999) {
      const int steps = Between(-3, 3);
      said << "wheel " << steps << " at " << at.x << "," << at.y;
      game.Wheel(at.x, at.y, steps);
    } else {
      said << "close the window";
      game.CloseWindow();
    }
    if (kind >= 420) Remember(said.str());
    CheckSoFar();
    WaitAfterEvent();
  }

  // The clock moves on 0 to 60 ms in 10 ms steps, as the real loop would between events.
  void WaitAfterEvent() {
    const int steps = Pick(7);
    for (int step = 0; step < steps && broken_.empty(); ++step) StepClock();
  }

  void StepClock() {
    app::Program& game = program();
    const TickWatch team_page(game.Form4(), game.Now() + 10), result(game.Form9(), game.Now() + 10);
    game_->host.now += 10;
    game_->host.audio.Advance(10);
    game.Advance(game_->host.now);
    const bool team_page_ticked = team_page.Fired(), result_ticked = result.Fired();
    if (team_page_ticked || result_ticked) KeepBroken(AttributesAboveTwenty(program().Career));
    if (team_page_ticked) KeepBroken(LowTechGearAboveTwo(program().Career));
    CheckSoFar();
  }

  // Whether a screen's tick fires in the coming Advance.
  struct TickWatch {
    TickWatch(const core::Screen& screen, std::uint64_t next) : screen(screen), due(screen.Timer1.Due), due_now(screen.Timer1.Enabled && next >= due) {}
    bool Fired() const { return due_now && screen.Timer1.Due != due; }
    const core::Screen& screen;
    std::uint64_t due;
    bool due_now;
  };

  void CheckSoFar() { KeepBroken(BrokenRule()); }
  void KeepBroken(const std::string& broken) {
    if (broken_.empty()) broken_ = broken;
  }

  // The rules that hold after any event.
  std::string BrokenRule() {
    const career::CareerRecord& career = program().Career;
    if (career.Cash < 0) return "Cash is " + std::to_string(career.Cash);
    const int selected = program().Shared.SelectedPlayer;
    if (selected < 1 || selected > 7) return "SelectedPlayer is " + std::to_string(selected);
    for (int slot = 1; slot <= 7; ++slot) {
      if (career.GearLevel[slot] < 0 || career.GearLevel[slot] > 6) return "GearLevel of slot " + std::to_string(slot) + " is " + std::to_string(career.GearLevel[slot]);
    }
    if (const auto saved = game_->host.files.files.find(career::kSaveFileName); saved != game_->host.files.files.end() && saved->second.size() != career::kCareerRecordSize) {
      return "datarecord.dat holds " + std::to_string(saved->second.size()) + " bytes";
    }
    return ScreensShown();
  }

  // Exactly one screen shows; or none, and then within one watchdog tick one screen is shown
  // anew: the title, or the screen that a closed screen's tick, still running, handed over to.
  std::string ScreensShown() {
    const int shown = VisibleCount();
    if (shown > 1) return std::to_string(shown) + " screens visible";
    if (shown == 1) return {};
    const std::uint64_t last_shown = LastShownSerial();
    for (int waited = 0; waited < 50 && VisibleCount() == 0; waited += 10) {
      game_->host.now += 10;
      program().Advance(game_->host.now);
    }
    const core::Screen* visible = program().VisibleScreen();
    if (!visible || VisibleCount() != 1 || visible->ShownSerial() <= last_shown) return "no screen visible and none came back";
    return {};
  }

  std::uint64_t LastShownSerial() {
    std::uint64_t last = 0;
    for (const core::Screen* screen : program().Screens()) last = std::max(last, screen->ShownSerial());
    return last;
  }

  int VisibleCount() {
    int shown = 0;
    for (const core::Screen* screen : program().Screens()) shown += screen->Visible();
    return shown;
  }

  void Remember(std::string event) {
    trail_.push_back(std::move(event));
    if (trail_.size() > 20) trail_.pop_front();
  }
  std::string Trail() const {
    std::string text;
    for (const std::string& event : trail_) text += "  " + event + "\n";
    return text;
  }

  std::mt19937 random_;
  std::unique_ptr<Game> game_;
  std::string broken_;
  std::deque<std::string> trail_;
  std::map<int, long> events_per_screen_;
  long programs_started_ = 0;
  long events_sent_ = 0;
};

}  // namespace testing_support
