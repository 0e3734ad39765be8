#include "match/match_screen.h"

#include "match/field_model.h"
#include "match/match_drawing.h"
#include "match/movement.h"
#include "match/opposition.h"
#include "match/paintballs.h"
#include "match/sight.h"
#include "match/tick_rules.h"
#include "tour/result_screen.h"
#include "world/world.h"

namespace match {

namespace {

using core::Sound;

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

TForm8::TForm8(world::World& world) : world::Screen(world, 8, "Game On", core::InputPicture{800, 600}) {}

void TForm8::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  MatchState& match = world_.Match;
  const career::CareerRecord& career = world_.Career;
  DrawField(world_, canvas);
  if (world_.Shared.Surface == kIndoors) match.WeatherText = "Weather: Indoors";
  if (match.LightningTicks > 0) --match.LightningTicks;
  BreakMarkers(world_);
  PlayAmbientSounds(world_);
  CountDownLocks(world_);
  DrawTeamStrip(world_, canvas);
  DrawCaptionLine(world_, canvas);
  AdvanceClock(world_);
  DrawPanel(world_, canvas);
  CountDownSprints(world_);
  DrawEndMarks(canvas);
  TruncateFlagPos(world_);
  DrawFlag(world_, canvas);
  TestFlagHung(world_);
  CarryFlag(world_);
  DropFlag(world_);
  PickUpFlag(world_);
  TracePointerPath(world_, canvas);
  if (MoveOwnTeam(world_)) DrawTiredFigures(world_, canvas);
  MoveOpposition(world_);
  UpdateOppVisible(world_);
  UpdateSpotted(world_);
  DrawPlayersAndBunkers(world_, canvas);
  AdvanceFiringCycles(world_);
  FireOwnShots(world_);
  FlyPaintballs(world_);
  DrawPaintballs(world_, canvas);
  HitPaintballs(world_);
  if (career.WeatherAllowed == kWeatherAllowed && match.WeatherRoll == kBadWeather) WeatherEffects(world_, canvas);
  if (match.Paused == 1) DrawPausedBanner(world_, canvas);
  AimOpposition(world_);
  FireOppositionShots(world_);
  ApplyScriptedPlays(world_);
  if (MatchIsOver(world_)) EndMatch();
  frame.Copy();
}

void TForm8::EndMatch() {
  world_.DisableTick(*this);
  world_.Shared.ResultClickLock = kResultClickLock;
  for (const Sound sound : kSoundsInEndOrder) world_.Sounds.Stop(sound);
  for (const Sound sound : kSoundsInEndOrder) world_.Sounds.Rewind(sound);
  world_.SwitchScreen(*this, world_.Form9());
  world_.Shared.ResultFrame = 0;
  ImprovePlayer();
}

// By chance one player comes out of the match better at everything.
void TForm8::ImprovePlayer() {
  career::CareerRecord& career = world_.Career;
  const int32 improved = world_.Rng(kImprovementRolls) + 1;
  world_.Shared.ImprovedPlayer = improved;
  if (improved > 7) return;
  for (auto* attribute : {&career.Speed, &career.Endurance, &career.Accuracy, &career.Agility}) {
    (*attribute)[improved] = Improved((*attribute)[improved]);
  }
}

}  // namespace match
