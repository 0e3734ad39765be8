#include "replay_run.h"

#include <memory>
#include <stdexcept>

#include "app/new_career.h"
#include "app/program.h"
#include "app/title_screen.h"
#include "match/match_screen.h"
#include "platform/headless/headless_host.h"
#include "tour/next_match_screen.h"

namespace replay {

namespace {

using nlohmann::ordered_json;
using career::FieldPoint;
using career::Slots;

constexpr int kDefaultTicks = 2600;
constexpr int kPlayX = 765, kPlayY = 500;

// Draws and sounds since the previous line.
struct Log {
  ordered_json draws = ordered_json::array();
  ordered_json sounds = ordered_json::array();

  void Take(ordered_json& line) {
    line["draws"] = std::exchange(draws, ordered_json::array());
    line["sounds"] = std::exchange(sounds, ordered_json::array());
  }
};

ordered_json Point(const FieldPoint& p) { return ordered_json::array({p.x, p.y}); }

template <typename T, int N, typename Convert>
ordered_json Seven(const Slots<T, N>& slots, Convert convert) {
  ordered_json values = ordered_json::array();
  for (int k = 1; k <= 7; ++k) values.push_back(convert(slots[k]));
  return values;
}
template <typename T, int N>
ordered_json Seven(const Slots<T, N>& slots) {
  return Seven(slots, [](const T& value) { return ordered_json(value); });
}
template <int N>
ordered_json SevenPoints(const Slots<FieldPoint, N>& slots) {
  return Seven(slots, Point);
}
template <int N>
ordered_json AllPoints(const Slots<FieldPoint, N>& slots) {
  ordered_json values = ordered_json::array();
  for (const FieldPoint& p : slots) values.push_back(Point(p));
  return values;
}
template <typename T, int N>
ordered_json All(const Slots<T, N>& slots) {
  ordered_json values = ordered_json::array();
  for (const T& value : slots) values.push_back(value);
  return values;
}

ordered_json Paintballs(const match::MatchState& match) {
  ordered_json active = ordered_json::array();
  for (int k = 1; k <= match::kPaintballCount; ++k) {
    const match::Paintball& ball = match.Paintballs[k];
    if (ball.Active == 1) active.push_back({k, ball.Pos.x, ball.Pos.y, ball.Owner, ball.Vel.x, ball.Vel.y});
  }
  return active;
}

void AddState(ordered_json& line, const app::Program& program, bool ended) {
  const match::MatchState& match = program.Match;
  const career::CareerRecord& career = program.Career;
  const world::SharedState& shared = program.Shared;
  line["MatchClock"] = match.MatchClock;
  line["Paused"] = match.Paused;
  line["PauseBudget"] = match.PauseBudget;
  line["PauseBudgetMax"] = match.PauseBudgetMax;
  line["PauseRegenCounter"] = match.PauseRegenCounter;
  line["ResultClickLock"] = shared.ResultClickLock;
  line["SelectedPlayer"] = shared.SelectedPlayer;
  line["OrderMode"] = match.OrderMode;
  line["MoveBlocked"] = match.MoveBlocked;
  line["PointerInField"] = match.PointerInField;
  line["FlagHung"] = match.FlagHung;
  line["WeatherRoll"] = match.WeatherRoll;
  line["LightningTicks"] = match.LightningTicks;
  line["BarkTicks"] = match.BarkTicks;
  line["Surface"] = shared.Surface;
  line["FieldLayout"] = shared.FieldLayout;
  line["ImprovedPlayer"] = shared.ImprovedPlayer;
  line["ResultFrame"] = shared.ResultFrame;
  line["MatchPending"] = career.MatchPending;
  line["Challenge"] = career.Challenge;
  line["WeatherAllowed"] = career.WeatherAllowed;
  line["TechLevel"] = career.TechLevel;
  line["TourStage"] = career.TourStage;
  line["ended"] = ended ? 1 : 0;
  line["WeatherText"] = match.WeatherText;
  line["PointerPos"] = Point(match.PointerPos);
  line["FlagPos"] = Point(match.FlagPos);
  line["PlayerPos"] = SevenPoints(career.PlayerPos);
  line["PlayerTarget"] = SevenPoints(career.PlayerTarget);
  line["AimPoint"] = SevenPoints(career.AimPoint);
  line["Sprint"] = Seven(career.Sprint);
  line["Firing"] = Seven(career.Firing);
  line["ShotTimer"] = Seven(career.ShotTimer);
  line["ShotCount"] = Seven(career.ShotCount);
  line["InPlay"] = Seven(career.InPlay);
  line["HasFlag"] = Seven(career.HasFlag);
  line["Spotted"] = Seven(career.Spotted);
  line["Paint"] = Seven(career.Paint);
  line["GearLevel"] = Seven(career.GearLevel);
  line["Speed"] = Seven(career.Speed);
  line["Endurance"] = Seven(career.Endurance);
  line["Agility"] = Seven(career.Agility);
  line["Accuracy"] = Seven(career.Accuracy);
  line["TagsFor"] = Seven(career.TagsFor);
  line["TagsAgainst"] = Seven(career.TagsAgainst);
  line["FlagPulls"] = Seven(career.FlagPulls);
  line["FlagHangs"] = Seven(career.FlagHangs);
  line["OppPos"] = SevenPoints(match.OppPos);
  line["OppTarget"] = SevenPoints(match.OppTarget);
  line["OppAim"] = SevenPoints(match.OppAim);
  line["OppAimDist"] = Seven(match.OppAimDist);
  line["OppSpeed"] = Seven(match.OppSpeed);
  line["OppGearLevel"] = Seven(match.OppGearLevel);
  line["OppInPlay"] = Seven(match.OppInPlay);
  line["OppVisible"] = Seven(match.OppVisible);
  line["OppPaint"] = Seven(match.OppPaint);
  line["OppShotTimer"] = Seven(match.OppShotTimer);
  line["OppShotCount"] = Seven(match.OppShotCount);
  line["Bunkers"] = AllPoints(match.Bunkers);
  line["BunkerKind"] = All(match.BunkerKind);
  line["Paintballs"] = Paintballs(match);
  line["ParticleX"] = All(match.ParticleX);
  line["ParticleY"] = All(match.ParticleY);
  line["ParticleSpeed"] = All(match.ParticleSpeed);
}

void SetSeven(const nlohmann::json& career, const char* key, Slots<career::int32, 8>& slots) {
  if (!career.contains(key)) return;
  const nlohmann::json& values = career.at(key);
  if (!values.is_array() || values.size() != 7) throw std::runtime_error(std::string(key) + " needs 7 values");
  for (int k = 1; k <= 7; ++k) slots[k] = values.at(static_cast<std::size_t>(k - 1)).get<career::int32>();
}

void SetCareer(const nlohmann::json& fields, career::CareerRecord& career) {
  for (const auto& [key, field] : {std::pair{"Challenge", &career.Challenge}, {"TechLevel", &career.TechLevel},
                                   {"WeatherAllowed", &career.WeatherAllowed}, {"HomeCountry", &career.HomeCountry},
                                   {"TourStage", &career.TourStage}, {"MatchOfStage", &career.MatchOfStage}}) {
    if (fields.contains(key)) *field = fields.at(key).get<career::int32>();
  }
  SetSeven(fields, "Speed", career.Speed);
  SetSeven(fields, "Endurance", career.Endurance);
  SetSeven(fields, "Agility", career.Agility);
  SetSeven(fields, "Accuracy", career.Accuracy);
  SetSeven(fields, "Paint", career.Paint);
  SetSeven(fields, "GearLevel", career.GearLevel);
  SetSeven(fields, "Portrait", career.Portrait);
}

core::MouseButton ButtonNamed(const std::string& name) {
  if (name == "right") return core::MouseButton::Right;
  if (name == "middle") return core::MouseButton::Middle;
  return core::MouseButton::Left;
}

void GiveEvent(match::TForm8& screen, const nlohmann::json& event) {
  const std::string kind = event.at("event").get<std::string>();
  if (kind == "mousemove") screen.Image1MouseMove(event.at("x").get<int>(), event.at("y").get<int>());
  if (kind == "mousedown") {
    screen.Image1MouseDown(ButtonNamed(event.value("button", "left")), event.at("x").get<int>(), event.at("y").get<int>());
  }
  if (kind == "key") {
    const std::string key = event.at("key").get<std::string>();
    if (!key.empty()) screen.FormKeyPress(key.front());
  }
}

// Keeps the game and its log together, so that the observers never outlive what they fill.
class Session {
 public:
  explicit Session(std::uint32_t seed) : program_(host_) {
    program_.Rng.FixSeed(seed);
    const std::string failed = program_.Start(std::make_shared<core::PictureStore>());
    if (!failed.empty()) throw std::runtime_error(failed);
    program_.Rng.Observer = [this](int n, int result) { log_.draws.push_back({n, result}); };
    program_.Sounds.Observer = [this](const char* request, core::Sound sound) {
      log_.sounds.push_back(std::string(request) + " " + core::SoundFileName(sound));
    };
  }
  ~Session() {
    program_.Rng.Observer = nullptr;
    program_.Sounds.Observer = nullptr;
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  app::Program& Game() { return program_; }

  std::string Line(int tick, const char* phase, bool with_log, bool ended) {
    ordered_json line;
    line["tick"] = tick;
    if (phase) line["phase"] = phase;
    if (with_log) {
      log_.Take(line);
    } else {
      log_ = Log{};
    }
    AddState(line, program_, ended);
    return line.dump();
  }

 private:
  platform::HeadlessHost host_{SPLATVANE_GAME_DIR};
  app::Program program_;
  Log log_;
};

}  // namespace

void Replay(const nlohmann::json& scenario, const std::function<void(const std::string& line)>& write_line) {
  Session session(scenario.value("seed", std::uint32_t{0}));
  app::Program& program = session.Game();
  program.SwitchScreen(program.Form1(), program.Form7());
  app::StartFreshCareer(program, app::FreshAttributes::Equal);
  SetCareer(scenario.value("career", nlohmann::json::object()), program.Career);
  program.Shared.FieldLayout = scenario.value("field_layout", 0);
  program.Form7().Timer1Timer();
  write_line(session.Line(0, "setup", false, false));

  program.Form7().Image1MouseDown(core::MouseButton::Left, kPlayX, kPlayY);
  write_line(session.Line(0, "play", true, false));

  const int ticks = scenario.value("ticks", kDefaultTicks);
  const nlohmann::json input = scenario.value("input", nlohmann::json::array());
  match::TForm8& screen = program.Form8();
  for (int t = 1; t <= ticks; ++t) {
    for (const nlohmann::json& event : input) {
      if (event.value("before_tick", 0) == t) GiveEvent(screen, event);
    }
    screen.Timer1Timer();
    const bool ended = !screen.Timer1.Enabled;
    write_line(session.Line(t, nullptr, true, ended));
    if (ended) return;
  }
}

}  // namespace replay
