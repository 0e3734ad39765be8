// Plays a whole tour headless on the easy challenge and tells how it went: matches won, drawn
// and lost, the time it took and the memory it held. Usage: tour_bot [seed] [most matches]
// [folder]: with a folder, the first match's picture is written there every 250 ticks.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/title_screen.h"
#include "match/match_screen.h"
#include "png_writer.h"
#include "team/team_page.h"
#include "tour_bot.h"

namespace {

// The peak resident memory so far, in kilobytes.
long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct TourTally {
  int won = 0, drawn = 0, lost = 0;
  int Played() const { return won + drawn + lost; }
};

const char* Named(tour_bot::MatchOutcome outcome) {
  switch (outcome) {
    case tour_bot::MatchOutcome::Won: return "won";
    case tour_bot::MatchOutcome::Drawn: return "drawn";
    case tour_bot::MatchOutcome::Lost: return "lost";
  }
  return "";
}

// One line per match: where it was played and how it ended.
void Tell(const app::Program& program, int stage, int match_of_stage, tour_bot::MatchOutcome outcome) {
  int tagged = 0, lost = 0;
  for (int slot = 1; slot <= 7; ++slot) {
    tagged += program.Match.OppInPlay[slot] == 0;
    lost += program.Career.InPlay[slot] == 0;
  }
  std::printf("stage %2d match %d: %-5s flag %s, %d tagged, %d lost, %4d ticks left\n", stage, match_of_stage, Named(outcome),
              program.Match.FlagHung == 1 ? "hung" : "not hung", tagged, lost, program.Match.MatchClock);
}

TourTally PlayTour(tour_bot::TourBot& bot, app::Program& program, int most_matches) {
  TourTally tally;
  while (program.Form4().Visible() && tally.Played() < most_matches) {
    const int stage = program.Career.TourStage, match_of_stage = program.Career.MatchOfStage;
    const tour_bot::MatchOutcome outcome = bot.PlayNextMatch();
    Tell(program, stage, match_of_stage, outcome);
    switch (outcome) {
      case tour_bot::MatchOutcome::Won: ++tally.won; break;
      case tour_bot::MatchOutcome::Drawn: ++tally.drawn; break;
      case tour_bot::MatchOutcome::Lost: ++tally.lost; break;
    }
  }
  return tally;
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint32_t seed = argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 12345;
  const int most_matches = argc > 2 ? std::atoi(argv[2]) : 200;
  const auto wall_start = std::chrono::steady_clock::now();
  const double cpu_start = CpuSeconds();

  app::HeadlessGame game(SPLATVANE_GAME_DIR, true);
  game.program.Rng.FixSeed(seed);
  const long peak_at_start = PeakResidentKb();
  tour_bot::TourBot bot(game);
  if (argc > 3) {
    const std::string folder = argv[3];
    int ticks = 0;
    bool first_match_over = false;
    bot.AfterMatchTick = [&game, folder, ticks, first_match_over]() mutable {
      if (first_match_over) return;
      const auto& frame = game.program.Form8().LastFrame();
      if (++ticks % 250 == 0 && frame) WritePng(*frame, folder + "/match-" + std::to_string(ticks) + ".png");
      first_match_over = !game.program.Form8().Visible();
    };
  }
  bot.StartEasyCareer();
  const TourTally tally = PlayTour(bot, game.program, most_matches);

  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
  const bool won = bot.TourWon();
  if (won) bot.EndTour();
  std::printf("tour %s after %d matches: %d won, %d drawn, %d lost (stage %d, cash $%d)\n",
              won && game.program.Form1().Visible() ? "won" : "not finished", tally.Played(), tally.won,
              tally.drawn, tally.lost, game.program.Career.TourStage, game.program.Career.Cash);
  std::printf("wall %.1f s, cpu %.1f s, peak memory %ld kB at the start, %ld kB at the end\n", wall,
              CpuSeconds() - cpu_start, peak_at_start, PeakResidentKb());
  return won ? 0 : 1;
}
