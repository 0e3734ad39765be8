#include "match/match_drawing.h"

#include "shell/program.h"

namespace match {

// Filled in step by step; each call draws nothing until its step is written.
void DrawField(const shell::Program&, gfx::Canvas&) {}
void DrawTeamStrip(const shell::Program&, gfx::Canvas&) {}
void DrawCaptionLine(const shell::Program&, gfx::Canvas&) {}
void DrawPanel(const shell::Program&, gfx::Canvas&) {}
void DrawTiredFigures(const shell::Program&, gfx::Canvas&) {}
void DrawEndMarks(gfx::Canvas&) {}
void DrawFlag(const shell::Program&, gfx::Canvas&) {}
void DrawPathDot(gfx::Canvas&, const career::FieldPoint&, PointerPathPen) {}
void DrawPathCaption(gfx::Canvas&, const career::FieldPoint&, bool) {}
void DrawPlayersAndBunkers(shell::Program&, gfx::Canvas&) {}
void DrawPaintballs(const shell::Program&, gfx::Canvas&) {}
void WeatherEffects(shell::Program&, gfx::Canvas&) {}
void DrawPausedBanner(const shell::Program&, gfx::Canvas&) {}

}  // namespace match
