#include "match/match_screen.h"

#include "match/field_model.h"
#include "match/match_drawing.h"
#include "match/movement.h"
#include "match/opposition.h"
#include "match/paintballs.h"
#include "match/sight.h"
#include "match/tick_rules.h"
#include "shell/program.h"
#include "tour/result_screen.h"

namespace match {

namespace {

using shell::Sound;

constexpr int kWeatherAllowed = 2;
constexpr int kResultClickLock = 20;
constexpr int kAttributeCeiling = 30;
constexpr int kImprovementRolls = 20;

// The order in which the end of a match stops, then rewinds, every sound.
constexpr Sound kSoundsInEndOrder[] = {
    Sound::Drummers, Sound::Click, Sound::CashRegister, Sound::Thunder, Sound::MarkerPop, Sound::MarkerPop2,
    Sound::MarkerPop3, Sound::Rain, Sound::Wind, Sound::Bird, Sound::Bark, Sound::Hiss, Sound::Defeat, Sound::Victory};

int32 Improved(int32 attribute) { return attribute < kAttributeCeiling ? attribute + 1 : kAttributeCeiling; }

}  // namespace

TForm8::TForm8(shell::Program& program) : shell::Screen(program, 8, "Game On", shell::InputPicture{800, 600}) {}

void TForm8::Timer1Timer() {
  shell::Frame frame(*this, &program_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  MatchState& match = program_.Match;
  const career::CareerRecord& career = program_.Career;
  DrawField(program_, canvas);
  if (program_.Shared.Surface == kIndoors) match.WeatherText = "Weather: Indoors";
  if (match.LightningTicks > 0) --match.LightningTicks;
  BreakMarkers(program_);
  PlayAmbientSounds(program_);
  CountDownLocks(program_);
  DrawTeamStrip(program_, canvas);
  DrawCaptionLine(program_, canvas);
  AdvanceClock(program_);
  DrawPanel(program_, canvas);
  CountDownSprints(program_);
  DrawEndMarks(canvas);
  TruncateFlagPos(program_);
  DrawFlag(program_, canvas);
  TestFlagHung(program_);
  CarryFlag(program_);
  DropFlag(program_);
  PickUpFlag(program_);
  TracePointerPath(program_, canvas);
  if (MoveOwnTeam(program_)) DrawTiredFigures(program_, canvas);
  MoveOpposition(program_);
  UpdateOppVisible(program_);
  UpdateSpotted(program_);
  DrawPlayersAndBunkers(program_, canvas);
  AdvanceFiringCycles(program_);
  FireOwnShots(program_);
  FlyPaintballs(program_);
  DrawPaintballs(program_, canvas);
  HitPaintballs(program_);
  if (career.WeatherAllowed == kWeatherAllowed && match.WeatherRoll == kBadWeather) WeatherEffects(program_, canvas);
  if (match.Paused == 1) DrawPausedBanner(program_, canvas);
  AimOpposition(program_);
  FireOppositionShots(program_);
  ApplyScriptedPlays(program_);
  if (MatchIsOver(program_)) EndMatch();
  frame.Copy();
}

void TForm8::EndMatch() {
  program_.DisableTick(*this);
  program_.Shared.ResultClickLock = kResultClickLock;
  for (const Sound sound : kSoundsInEndOrder) program_.Sounds.Stop(sound);
  for (const Sound sound : kSoundsInEndOrder) program_.Sounds.Rewind(sound);
  program_.SwitchScreen(*this, program_.Form9());
  program_.Shared.ResultFrame = 0;
  ImprovePlayer();
}

// By chance one player comes out of the match better at everything.
void TForm8::ImprovePlayer() {
  career::CareerRecord& career = program_.Career;
  const int32 improved = program_.Rng(kImprovementRolls) + 1;
  program_.Shared.ImprovedPlayer = improved;
  if (improved > 7) return;
  for (auto* attribute : {&career.Speed, &career.Endurance, &career.Accuracy, &career.Agility}) {
    (*attribute)[improved] = Improved((*attribute)[improved]);
  }
}

}  // namespace match
