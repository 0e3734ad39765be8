// The storms of a match with bad weather: their captions, sounds, particles, specks and thunder.
#include <string>

#include "match/match_canvas.h"
#include "match/match_drawing.h"

namespace match {

namespace {

using gfx::Canvas;
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

void Rainstorm(MatchContext& context, Canvas& canvas) {
  MatchState& match = context.match;
  context.sounds.Play(Sound::Rain);
  match.WeatherText = "Weather: Rainstorm";
  canvas.Pen.Color = gfx::colors::SkyBlue;
  for (int p = 1; p <= kParticleCount; ++p) {
    int& x = match.ParticleX[p];
    int& y = match.ParticleY[p];
    const int speed = match.ParticleSpeed[p];
    DrawRaindrop(canvas, x, y);
    x = x - speed + context.rng(2);
    y = y + speed + context.rng(2);
    if (y > 440) y = kTopRow;
    if (x < 1) x = kRightEdge;
  }
  if (context.rng(1000) > 995) {
    match.LightningTicks = kLightningFlashTicks;
    context.sounds.Play(Sound::Thunder);
  }
}

void DrawSpecks(core::Random& rng, Canvas& canvas, int count) {
  for (int speck = 0; speck < count; ++speck) {
    const int x = rng(800);
    const int y = rng(400) + kFieldTop;
    Circle(canvas, x, y, 1);
  }
}

void BlowAlong(core::Random& rng, int& x, int& y, int speed) {
  x = x - 2 * speed - rng(3);
  y = y + rng(4) - 1;
  if (y > 435) y = kTopRow;
  if (y < 43) y = 435;
  if (x < 1) x = kRightEdge;
}

void Blow(MatchContext& context, Canvas& canvas, const Blizzard& storm) {
  MatchState& match = context.match;
  match.WeatherText = storm.caption;
  canvas.Pen.Color = storm.colour;
  canvas.Brush.Color = storm.colour;
  context.sounds.Play(Sound::Wind);
  for (int p = 1; p <= kParticleCount; ++p) {
    int& x = match.ParticleX[p];
    int& y = match.ParticleY[p];
    Circle(canvas, x, y, storm.particle_radius);
    DrawSpecks(context.rng, canvas, storm.specks_per_particle);
    BlowAlong(context.rng, x, y, match.ParticleSpeed[p]);
  }
  if (storm.thunder_above > 0 && context.rng(1000) > storm.thunder_above) context.sounds.Play(Sound::Thunder);
}

}  // namespace

void WeatherEffects(MatchContext& context, Canvas& canvas) {
  if (context.career.WeatherAllowed != kWeatherAllowed || context.match.WeatherRoll != kBadWeatherRoll) return;
  switch (context.shared.Surface) {
    case 1: Rainstorm(context, canvas); break;
    case 2: Blow(context, canvas, kDuststorm); break;
    case 3: Blow(context, canvas, kSnowing); break;
    default: break;  // indoors: no weather
  }
}

}  // namespace match
