#include "match/match_screen.h"

#include "match/field_model.h"
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

MatchContext ContextOf(world::World& world) {
  return {world.Match, world.Career, world.Rng, world.Sounds, world.Shared};
}

MatchPictures PicturesOf(const world::World& world) { return MatchPictures(world.Pictures()); }

TForm8::TForm8(world::World& world)
    : world::Screen(world, 8, "Game On", core::InputPicture{800, 600}), context_(ContextOf(world)) {}

void TForm8::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  const MatchPictures pictures = PicturesOf(world_);
  MatchState& match = context_.match;
  career::CareerRecord& career = context_.career;
  const world::SharedState& shared = context_.shared;
  DrawField(match, shared, pictures, canvas);
  if (shared.Surface == kIndoors) match.WeatherText = "Weather: Indoors";
  if (match.LightningTicks > 0) --match.LightningTicks;
  BreakMarkers(context_);
  PlayAmbientSounds(context_);
  CountDownLocks(context_);
  DrawTeamStrip(career, pictures, canvas);
  DrawCaptionLine(match, career, shared, canvas);
  AdvanceClock(match, career);
  DrawPanel(match, career, shared, pictures, canvas);
  CountDownSprints(match, career);
  DrawEndMarks(canvas);
  TruncateFlagPos(match);
  DrawFlag(match, canvas);
  TestFlagHung(match);
  CarryFlag(match, career);
  DropFlag(career);
  PickUpFlag(match, career);
  TracePointerPath(match, career, shared, canvas);
  if (MoveOwnTeam(match, career, shared)) DrawTiredFigures(match, career, shared, canvas);
  MoveOpposition(match);
  UpdateOppVisible(match, career);
  UpdateSpotted(match, career);
  DrawPlayersAndBunkers(match, career, shared, context_.rng, canvas);
  AdvanceFiringCycles(match, career);
  FireOwnShots(context_);
  FlyPaintballs(context_);
  DrawPaintballs(match, canvas);
  HitPaintballs(match, career);
  if (career.WeatherAllowed == kWeatherAllowed && match.WeatherRoll == kBadWeather) WeatherEffects(context_, canvas);
  if (match.Paused == 1) DrawPausedBanner(match, pictures, canvas);
  AimOpposition(context_);
  FireOppositionShots(context_);
  ApplyScriptedPlays(match, shared);
  if (MatchIsOver(match, career)) EndMatch();
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
