#pragma once
// What the match picture shows, one call per drawing step of the match tick. The tick
// (match_screen.cpp) calls them in its own order, between its rules; these calls change no
// rule state, except where a drawing step itself draws random numbers (the sparks of a broken
// marker) or moves things as it draws them (the weather's particles).
#include "career/field_point.h"
#include "gfx/canvas.h"

namespace world { class World; }

namespace match {

// The match's own pictures (form 8) and where the next-match screen's are (form 7).
inline constexpr int kMatchForm = 8;
inline constexpr int kNextMatchForm = 7;

// Title, the field by surface, the lightning flash (LightningTicks 4, 3 or 1), the frame.
void DrawField(const world::World& world, gfx::Canvas& canvas);
// The seven figures below the field with their numbers and status icons.
void DrawTeamStrip(const world::World& world, gfx::Canvas& canvas);
// "home vs away. Game m of 2 on surface", WeatherText and the clock (the value before this
// tick's count).
void DrawCaptionLine(const world::World& world, gfx::Canvas& canvas);
// The selected player's portrait, name, figures, gear, paint, and the buttons: All Stop
// Firing, SPRINT, MOVE/FIRE, play/pause, the pause budget and the crossed-out pause button.
void DrawPanel(const world::World& world, gfx::Canvas& canvas);
// The selected player's lowered figures in red, while the movement finds them tired.
void DrawTiredFigures(const world::World& world, gfx::Canvas& canvas);
// The two start lines and the home station.
void DrawEndMarks(gfx::Canvas& canvas);
// The flag at FlagPos (already truncated by the tick).
void DrawFlag(const world::World& world, gfx::Canvas& canvas);

// The dotted pointer path: the tick traces it and hands each step point over as it goes.
struct PointerPathPen {
  bool fire_mode = false;
  bool blocked = false;  // MOVE mode from the first blocked point on: red
};
void DrawPathDot(gfx::Canvas& canvas, const career::FieldPoint& point, PointerPathPen pen);
// "Run" or "Fire" at the path's last step point.
void DrawPathCaption(gfx::Canvas& canvas, const career::FieldPoint& last_point, bool fire_mode);

// Own players (with the sparks of a broken marker: this draws Random numbers), the visible
// opponents, and the bunkers by colour.
void DrawPlayersAndBunkers(world::World& world, gfx::Canvas& canvas);
// Every active paintball.
void DrawPaintballs(const world::World& world, gfx::Canvas& canvas);
// The storm of this match's surface when the weather is allowed and bad: its caption, its
// sound, its particles (which move as they are drawn), specks and thunder.
void WeatherEffects(world::World& world, gfx::Canvas& canvas);
// The PAUSED banner while paused.
void DrawPausedBanner(const world::World& world, gfx::Canvas& canvas);

}  // namespace match
