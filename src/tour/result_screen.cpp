#include "tour/result_screen.h"

#include <algorithm>
#include <string>

#include "career/counters.h"
#include "career/io_error.h"
#include "team/team_page.h"
#include "tour/frame_loop.h"
#include "world/world.h"

namespace tour {

namespace {

using core::Sound;

constexpr int kResultForm = 9;
constexpr int kNextMatchForm = 7;
constexpr int kTeamSize = 7;

constexpr int kTitleImage = 1;
constexpr int kGameScoreImage = 2;
constexpr int kVictoryCaption = 4;
constexpr int kDefeatCaption = 5;
constexpr int kNextButton = 6;

// Frame 0, before the first, has no picture.
constexpr FrameLoop kVictoryFigure{18, 7};
constexpr FrameLoop kDefeatFigure{18, 25};

// The rows of the statistics and attributes, the rows of the score sheet.
constexpr int kTagsForY = 120, kTagsAgainstY = 140, kFlagPullsY = 160, kFlagHangsY = 180;
constexpr int kSpeedY = 220, kEnduranceY = 240, kAgilityY = 260, kAccuracyY = 280;
constexpr int kTagPointsY = 370, kLossPointsY = 390, kPullPointsY = 410, kHangPointsY = 430, kTotalY = 460;
constexpr int kOwnValuesX = 200, kOppLabelsX = 300, kOppValuesX = 500;

std::string Dollars(int32 amount) { return "$" + std::to_string(amount); }

void Write(gfx::Canvas& canvas, gfx::Color color, int x, int y, const std::string& text) {
  canvas.Font.Color = color;
  canvas.TextOut(x, y, text);
}

void DrawPointLabels(gfx::Canvas& canvas, int x) {
  canvas.TextOut(x, kTagPointsY, "5 points per tag:");
  canvas.TextOut(x, kLossPointsY, "-1 points per player loss:");
  canvas.TextOut(x, kPullPointsY, "15 points per pull:");
  canvas.TextOut(x, kHangPointsY, "50 points per hang:");
  canvas.TextOut(x, kTotalY, "Total:");
}

}  // namespace

TForm9::TForm9(world::World& world) : world::Screen(world, 9, "Form9", core::InputPicture{793, 593}) {}

void TForm9::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kResultForm, kTitleImage));
  canvas.Font.Size = 10;
  DrawTeamLabels(canvas);
  for (int slot = 1; slot <= kTeamSize; ++slot) DrawPlayerColumn(canvas, slot);
  DrawImprovement(canvas);
  canvas.Draw(0, 310, world_.Picture(kResultForm, kGameScoreImage));
  const MatchCounts counts = CountMatch(world_.Match, world_.Career);
  Result = ScoreMatch(counts, world_.Match.MatchClock);
  DrawOwnSide(canvas, counts);
  DrawPrize(canvas);
  DrawOppositionSide(canvas, counts);
  CountDownClickLock();
  MatchLost = Result.Lost() ? 1 : 0;
  if (Result.Won()) PlayVictory(canvas);
  if (Result.Lost()) PlayDefeat(canvas);
  canvas.Draw(350, 500, world_.Picture(kResultForm, kNextButton));
  team::CapAttributes(world_.Career);
  frame.Copy();
}

void TForm9::DrawTeamLabels(gfx::Canvas& canvas) const {
  canvas.Font.Color = gfx::colors::Red;
  canvas.TextOut(0, kTagsForY, "Tags For:");
  canvas.TextOut(0, kTagsAgainstY, "Tags Against:");
  canvas.TextOut(0, kFlagPullsY, "Flags Pulled:");
  canvas.TextOut(0, kFlagHangsY, "Flags Hung:");
  canvas.TextOut(0, kSpeedY, "Speed:");
  canvas.TextOut(0, kEnduranceY, "Endurance:");
  canvas.TextOut(0, kAgilityY, "Agility:");
  canvas.TextOut(0, kAccuracyY, "Accuracy:");
}

void TForm9::DrawPlayerColumn(gfx::Canvas& canvas, int slot) const {
  const career::CareerRecord& career = world_.Career;
  const int x = 100 * slot;
  Write(canvas, gfx::colors::Red, x, 50, career.PlayerName[slot].Get());
  canvas.Draw(x, 65, world_.Picture(kNextMatchForm, team::SmallPortraitImage(career.Portrait[slot])));
  Write(canvas, gfx::colors::Blue, x, kTagsForY, std::to_string(career.TagsFor[slot]));
  Write(canvas, gfx::colors::Black, x, kTagsAgainstY, std::to_string(career.TagsAgainst[slot]));
  Write(canvas, gfx::colors::Blue, x, kFlagPullsY, std::to_string(career.FlagPulls[slot]));
  Write(canvas, gfx::colors::Black, x, kFlagHangsY, std::to_string(career.FlagHangs[slot]));
  Write(canvas, gfx::colors::Blue, x, kSpeedY, std::to_string(career.Speed[slot]));
  Write(canvas, gfx::colors::Black, x, kEnduranceY, std::to_string(career.Endurance[slot]));
  Write(canvas, gfx::colors::Blue, x, kAgilityY, std::to_string(career.Agility[slot]));
  Write(canvas, gfx::colors::Blue, x, kAccuracyY, std::to_string(career.Accuracy[slot]));
}

// The player the match improved gets a mark beside each attribute, even one already at 20;
// a roll beyond the team improved nobody.
void TForm9::DrawImprovement(gfx::Canvas& canvas) const {
  const int improved = world_.Shared.ImprovedPlayer;
  if (improved < 1 || improved > kTeamSize) return;
  canvas.Font.Color = gfx::colors::Green;
  for (const int y : {kSpeedY, kEnduranceY, kAgilityY, kAccuracyY}) canvas.TextOut(100 * improved + 30, y, "+1");
}

void TForm9::DrawOwnSide(gfx::Canvas& canvas, const MatchCounts& counts) const {
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(0, 350, "YOUR TEAM");
  DrawPointLabels(canvas, 0);
  Write(canvas, gfx::colors::Blue, kOwnValuesX, kTagPointsY, std::to_string(OwnTagPoints(counts)));
  Write(canvas, gfx::colors::Red, kOwnValuesX, kLossPointsY, std::to_string(counts.Lost));
  Write(canvas, gfx::colors::Blue, kOwnValuesX, kPullPointsY, std::to_string(OwnPullPoints(counts)));
  canvas.TextOut(kOwnValuesX, kHangPointsY, std::to_string(OwnHangPoints(counts)));
  canvas.TextOut(kOwnValuesX, kTotalY, std::to_string(Result.OwnScore));
}

void TForm9::DrawPrize(gfx::Canvas& canvas) const {
  canvas.Font.Color = gfx::colors::Blue;
  canvas.TextOut(0, 480, "Score Based Cash:");
  canvas.TextOut(0, 500, "Victory Time Bonus:");
  canvas.TextOut(0, 520, "Total Cash Won:");
  canvas.TextOut(kOwnValuesX, 480, Dollars(Result.ScoreBasedCash()));
  canvas.TextOut(kOwnValuesX, 500, Dollars(Result.TimeBonus));
  canvas.TextOut(kOwnValuesX, 520, Dollars(Result.PrizeMoney));
}

void TForm9::DrawOppositionSide(gfx::Canvas& canvas, const MatchCounts& counts) const {
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(kOppLabelsX, 350, "OPPOSITION TEAM");
  DrawPointLabels(canvas, kOppLabelsX);
  Write(canvas, gfx::colors::Blue, kOppValuesX, kTagPointsY, std::to_string(OppTagPoints(counts)));
  Write(canvas, gfx::colors::Red, kOppValuesX, kLossPointsY, std::to_string(counts.Tagged));
  Write(canvas, gfx::colors::Blue, kOppValuesX, kPullPointsY, std::to_string(OppPullPoints(counts)));
  canvas.TextOut(kOppValuesX, kHangPointsY, std::to_string(OppHangPoints(counts)));
  canvas.TextOut(kOppValuesX, kTotalY, std::to_string(Result.OppScore));
}

void TForm9::CountDownClickLock() {
  int32& lock = world_.Shared.ResultClickLock;
  lock = std::max(0, career::SaturatingAdd(lock, -1));
}

void TForm9::StartJingle(Sound sound) const {
  if (world_.Shared.ResultFrame == 0 && world_.Career.MusicOn == 1) world_.Sounds.Play(sound);
}

// The victory figure moves on before it is drawn, so its first frame shows on the first tick.
void TForm9::PlayVictory(gfx::Canvas& canvas) {
  int32& frame = world_.Shared.ResultFrame;
  StartJingle(Sound::Victory);
  frame = kVictoryFigure.Next(frame);
  canvas.Draw(600, 300, world_.Picture(kResultForm, kVictoryFigure.Image(frame)));
  canvas.Draw(600, 300, world_.Picture(kResultForm, kVictoryCaption));
}

// The defeat figure is drawn before it moves on, so the first tick shows only the caption.
void TForm9::PlayDefeat(gfx::Canvas& canvas) {
  int32& frame = world_.Shared.ResultFrame;
  StartJingle(Sound::Defeat);
  canvas.Draw(600, 300, world_.Picture(kResultForm, kDefeatFigure.Image(frame)));
  frame = kDefeatFigure.Next(frame);
  canvas.Draw(600, 300, world_.Picture(kResultForm, kDefeatCaption));
}

void TForm9::Image3MouseDown(core::MouseButton, int, int) {
  if (world_.Shared.ResultClickLock != 0) return;
  Continue();
}

// The saved career holds the result it paid for: the prize, the count and the tour's move
// are all made before the save. A save that fails puts the career back as it was, so the
// sheet stays up and a later press pays once.
void TForm9::Continue() {
  const career::CareerRecord before = world_.Career;
  CountResult(world_.Career, Result);
  try {
    world_.SaveCareer();
  } catch (const career::IoError&) {
    world_.Career = before;
    throw;
  }
  world_.SwitchScreen(*this, world_.Form4());
}

}  // namespace tour
