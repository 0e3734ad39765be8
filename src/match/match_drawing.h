#pragma once
// What the match picture shows, one call per drawing step of the match tick. The tick
// (match_screen.cpp) calls them in its own order, between its rules; these calls change no
// rule state, except where a drawing step itself draws random numbers (the sparks of a broken
// marker) or moves things as it draws them (the weather's particles).
#include "career/career_record.h"
#include "career/field_point.h"
#include "core/random.h"
#include "gfx/canvas.h"
#include "gfx/picture.h"
#include "match/match_context.h"
#include "match/match_state.h"
#include "world/shared_state.h"

namespace core { class PictureStore; }

namespace match {

// The match's own pictures (form 8).
inline constexpr int kMatchForm = 8;

// The pictures the match draws: its own, and the next-match screen's portraits and gear. A
// game without its pictures draws none of them.
class MatchPictures {
 public:
  explicit MatchPictures(const core::PictureStore* store) : store_(store) {}
  const gfx::Picture* Own(int image) const;
  const gfx::Picture* OfNextMatch(int image) const;

 private:
  const core::PictureStore* store_;
};

// Title, the field by surface, the lightning flash (LightningTicks 4, 3 or 1), the frame.
void DrawField(const MatchState& match, const world::SharedState& shared, const MatchPictures& pictures,
               gfx::Canvas& canvas);
// The seven figures below the field with their numbers and status icons.
void DrawTeamStrip(const career::CareerRecord& career, const MatchPictures& pictures, gfx::Canvas& canvas);
// "home vs away. Game m of 2 on surface", WeatherText and the clock (the value before this
// tick's count).
void DrawCaptionLine(const MatchState& match, const career::CareerRecord& career, const world::SharedState& shared,
                     gfx::Canvas& canvas);
// The selected player's portrait, name, figures, gear, paint, and the buttons: All Stop
// Firing, SPRINT, MOVE/FIRE, play/pause, the pause budget and the crossed-out pause button.
void DrawPanel(const MatchState& match, const career::CareerRecord& career, const world::SharedState& shared,
               const MatchPictures& pictures, gfx::Canvas& canvas);
// The selected player's lowered figures in red, while the movement finds them tired.
void DrawTiredFigures(const MatchState& match, const career::CareerRecord& career, const world::SharedState& shared,
                      gfx::Canvas& canvas);
// The two start lines and the home station.
void DrawEndMarks(gfx::Canvas& canvas);
// The flag at FlagPos (already truncated by the tick).
void DrawFlag(const MatchState& match, gfx::Canvas& canvas);

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
void DrawPlayersAndBunkers(const MatchState& match, const career::CareerRecord& career,
                           const world::SharedState& shared, core::Random& rng, gfx::Canvas& canvas);
// Every active paintball.
void DrawPaintballs(const MatchState& match, gfx::Canvas& canvas);
// The storm of this match's surface when the weather is allowed and bad: its caption, its
// sound, its particles (which move as they are drawn), specks and thunder.
void WeatherEffects(MatchContext& context, gfx::Canvas& canvas);
// The PAUSED banner while paused.
void DrawPausedBanner(const MatchState& match, const MatchPictures& pictures, gfx::Canvas& canvas);

}  // namespace match
