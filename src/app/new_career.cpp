#include "app/new_career.h"

#include <array>

#include "app/program.h"

namespace app {

using career::int32;

namespace {

constexpr std::array<std::string_view, kPlayerNameCount> kPlayerNames = {
    "AARON",    "BRIAN",     "CARL",     "DWAYNE",   "ERIC",     "FRANK",    "GRAEME",     "HENRY",
    "IVAN",     "JACK",      "KEVIN",    "LANCE",    "MIKE",     "NIGEL",    "OSCAR",      "PAUL",
    "QUENTIN",  "RAYMOND",   "STEVEN",   "TIMOTHY",  "UMBERTO",  "VERNON",   "WILLIAM",    "XAVIER",
    "YANCEY",   "ZIM",       "ANGELA",   "BETINA",   "CLARA",    "DORA",     "EMILY",      "FRANCESCA",
    "GILLIAN",  "HELEN",     "IRENE",    "JANE",     "KRISTAL",  "LEA",      "MANDY",      "NANCY",
    "ODETTE",   "PATRICIA",  "QUARA",    "RACHAEL",  "SUSAN",    "TAMARA",   "UMICO",      "VERA",
    "WANDA",    "XARENA",    "YOLANDA",  "ZARA",     "ALEX",     "BARRY",    "CRAIG",      "DAVE",
    "ED",       "FRED",      "GARRY",    "HARVEY",   "IAN",      "JOHN",     "KELVIN",     "LEN",
    "MARTIN",   "NICK",      "OSWALD",   "PETER",    "NICHOLAS", "KEZ",      "SIMON",      "TERRY",
    "TREVOR",   "VERN",      "WILL",     "WESLEY",   "GRAY",     "PHILIP",   "ANGEL",      "BETHANY",
    "CORINA",   "DEBBIE",    "DOREEN",   "FREYA",    "GWEN",     "HENRIETTA", "IRIS",      "JENNY",
    "KARA",     "LISLE",     "MARINA",   "NICOLETTE", "ONYX",    "PAULINE",  "TINA",       "RAELENE",
    "SANDRA",   "TORA",      "BLAIZE",   "VICTORIA", "MERCEDES", "JUDY",     "GLORIA",     "SIOBHAN",
    "NUALA",    "JENNIFER",  "SERENA",   "SEAN",     "SHAUN",    "HUW",      "DAFYD",      "MURRAY",
    "WINSTON",  "ROGET",     "ERNEST",   "TARANT",   "AVON",     "BLAKE",    "VILLA",      "DANA",
    "KIRK",     "SCOTT",     "MONTGOMERY", "PAVEL",  "HIKARU",   "SLOANE",   "DORIAN",     "MINA",
    "JEAN",     "BEVERLY",   "NIOBI",    "PETRA",    "PETA",     "MICK",
};

constexpr int kFirstAttribute = 10;
constexpr int kDrawnAttributeSpread = 4;
constexpr int kStartingPaint = 100;
constexpr int kMarkerLevels = 2;
constexpr int kOccupationCount = 30;
constexpr int kOpponentCount = 7;

void FreeTheRecruits(career::CareerRecord& career) {
  for (int32& hired : career.RecruitHired) hired = 0;
}

void ClearThePaintballs(match::MatchState& match) {
  for (match::Paintball& paintball : match.Paintballs) paintball = match::Paintball{};
}

int32 Attribute(Program& program, FreshAttributes attributes) {
  return attributes == FreshAttributes::Drawn ? program.Rng(kDrawnAttributeSpread) + kFirstAttribute : kFirstAttribute;
}

// One slot, in the order the game has always drawn it; the career's options are set again
// with every slot.
void FillSlot(Program& program, int k, FreshAttributes attributes) {
  career::CareerRecord& career = program.Career;
  career.PlayerName[k].Set(PlayerNameNumbered(program.Rng(kPlayerNameCount) + 1));
  program.Shared.ResultClickLock = 0;
  if (k <= kOpponentCount) program.Match.OppShotTimer[k] = program.Rng(5);
  career.Portrait[k] = 0;
  career.MatchPending = 0;
  career.Speed[k] = Attribute(program, attributes);
  career.Endurance[k] = Attribute(program, attributes);
  career.Agility[k] = Attribute(program, attributes);
  career.Accuracy[k] = Attribute(program, attributes);
  career.Paint[k] = kStartingPaint;
  career.GearLevel[k] = program.Rng(kMarkerLevels) + 1;
  career.InPlay[k] = 1;
  career.ShotCount[k] = 0;
  career.ShotTimer[k] = 0;
  career.SpareStat[k] = 0;
  career.Occupation[k] = program.Rng(kOccupationCount) + 1;
  career.WeatherAllowed = 2;
  career.TechLevel = 2;
  career.Challenge = 2;
  career.HomeCountry = 14;
  career.Cash = 1000;
  career.TourStage = 1;
  career.MatchOfStage = 1;
  career.MusicOn = 1;
  career.HasFlag[k] = 0;
}

void PlaceTheWeatherParticles(Program& program) {
  match::MatchState& match = program.Match;
  for (int i = 1; i <= match::kParticleCount; ++i) {
    match.ParticleX[i] = program.Rng(800) + 1;
    match.ParticleY[i] = program.Rng(400) + 41;
    match.ParticleSpeed[i] = program.Rng(5) + 4;
  }
}

}  // namespace

std::string_view PlayerNameNumbered(int number) {
  if (number < 1 || number > kPlayerNameCount) return {};
  return kPlayerNames[static_cast<std::size_t>(number - 1)];
}

void StartFreshCareer(Program& program, FreshAttributes attributes) {
  FreeTheRecruits(program.Career);
  ClearThePaintballs(program.Match);
  for (int k = 1; k <= program.Career.PlayerName.Count(); ++k) FillSlot(program, k, attributes);
  program.Shared.HoverItem = 0;
  PlaceTheWeatherParticles(program);
  program.Match.PointerPos = {0.0, 0.0};
}

}  // namespace app
