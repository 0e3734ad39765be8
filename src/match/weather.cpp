// The storms of a match with bad weather: their captions, sounds, particles, specks and thunder.
#include <string>

#include "match/match_canvas.h"
#include "match/match_drawing.h"
#include "world/world.h"

namespace match {

namespace {

using gfx::Canvas;
using world::World;
using core::Sound;

constexpr gfx::Color kGrey{128, 128, 128};

constexpr int kWeatherAllowed = 2;
constexpr int kBadWeatherRoll = 5;
constexpr int kLightningFlashTicks = 4;

// The particles enter again at the right edge and, falling out at the bottom, at the top.
constexpr int kRightEdge = 800;
constexpr int kTopRow = 46;

// A dust or snow storm: the two differ in look and in thunder.
struct Blizzard {
  const char* caption;
  gfx::Color colour;
  int particle_radius;
  int specks_per_particle;
  int thunder_above;  // thunder when Random(1000) is above this; 0 never
};

constexpr Blizzard kDuststorm{"Weather: Duststorm", kGrey, 3, 80, 997};
constexpr Blizzard kSnowing{"Weather: Snowing", gfx::colors::Silver, 2, 50, 0};

void DrawRaindrop(Canvas& canvas, int x, int y) {
  canvas.Polyline({{x + 6, y - 6}, {x, y}, {x + 7, y - 5}});
}

void Rainstorm(World& world, Canvas& canvas) {
  MatchState& match = world.Match;
  world.Sounds.Play(Sound::Rain);
  match.WeatherText = "Weather: Rainstorm";
  canvas.Pen.Color = gfx::colors::SkyBlue;
  for (int p = 1; p <= kParticleCount; ++p) {
    int& x = match.ParticleX[p];
    int& y = match.ParticleY[p];
    const int speed = match.ParticleSpeed[p];
    DrawRaindrop(canvas, x, y);
    x = x - speed + world.Rng(2);
    y = y + speed + world.Rng(2);
    if (y > 440) y = kTopRow;
    if (x < 1) x = kRightEdge;
  }
  if (world.Rng(1000) > 995) {
    match.LightningTicks = kLightningFlashTicks;
    world.Sounds.Play(Sound::Thunder);
  }
}

void DrawSpecks(World& world, Canvas& canvas, int count) {
  for (int speck = 0; speck < count; ++speck) {
    const int x = world.Rng(800);
    const int y = world.Rng(400) + kFieldTop;
    Circle(canvas, x, y, 1);
  }
}

void BlowAlong(World& world, int& x, int& y, int speed) {
  x = x - 2 * speed - world.Rng(3);
  y = y + world.Rng(4) - 1;
  if (y > 435) y = kTopRow;
  if (y < 43) y = 435;
  if (x < 1) x = kRightEdge;
}

void Blow(World& world, Canvas& canvas, const Blizzard& storm) {
  MatchState& match = world.Match;
  match.WeatherText = storm.caption;
  canvas.Pen.Color = storm.colour;
  canvas.Brush.Color = storm.colour;
  world.Sounds.Play(Sound::Wind);
  for (int p = 1; p <= kParticleCount; ++p) {
    int& x = match.ParticleX[p];
    int& y = match.ParticleY[p];
    Circle(canvas, x, y, storm.particle_radius);
    DrawSpecks(world, canvas, storm.specks_per_particle);
    BlowAlong(world, x, y, match.ParticleSpeed[p]);
  }
  if (storm.thunder_above > 0 && world.Rng(1000) > storm.thunder_above) world.Sounds.Play(Sound::Thunder);
}

}  // namespace

void WeatherEffects(World& world, Canvas& canvas) {
  if (world.Career.WeatherAllowed != kWeatherAllowed || world.Match.WeatherRoll != kBadWeatherRoll) return;
  switch (world.Shared.Surface) {
    case 1: Rainstorm(world, canvas); break;
    case 2: Blow(world, canvas, kDuststorm); break;
    case 3: Blow(world, canvas, kSnowing); break;
    default: break;  // indoors: no weather
  }
}

}  // namespace match
