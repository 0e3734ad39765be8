#include "team/recruitment_screen.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "team/recruits.h"
#include "team/team_page.h"
#include "tour/next_match_screen.h"
#include "world/world.h"

namespace team {

namespace {

using core::Between;
using core::Sound;

constexpr int kRecruitmentForm = 12;
constexpr int kPhotoWidth = 300;
constexpr int kPhotoHeight = 600;
constexpr int kRevealPerTick = 10;
constexpr int kTeamSize = 7;
constexpr int kFreshPaint = 100;

constexpr int kNextButton = 12;
constexpr int kRecruitButton = 13;
constexpr int kCancelButton = 14;
constexpr int kSmallNextButton = 15;

std::string InCapitals(std::string_view name) {
  std::string capitals(name);
  std::transform(capitals.begin(), capitals.end(), capitals.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return capitals;
}

}  // namespace

TForm12::TForm12(world::World& world) : world::Screen(world, 12, "Form12") {}

bool TForm12::OnShowIsHired() const { return world_.Career.RecruitHired[RecruitIndex] == 1; }

void TForm12::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kRecruitmentForm, RecruitIndex));
  DrawRecruit(canvas);
  DrawRecruitMarkerAndPrice(canvas);
  canvas.Draw(300, 170, world_.Picture(tour::kNextMatchForm, tour::FigureImage(RecruitNumbered(RecruitIndex).figure)));
  WipePhoto(canvas);
  DrawButtons(canvas);
  DrawReplacingBox(canvas);
  DrawReplacedPlayer(canvas);
  frame.Copy();
}

void TForm12::DrawRecruit(gfx::Canvas& canvas) const {
  const Recruit& recruit = RecruitNumbered(RecruitIndex);
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 18;
  canvas.Font.Color = gfx::colors::Red;
  canvas.Brush.Color = gfx::colors::White;
  if (OnShowIsHired()) canvas.TextOut(500, 0, "Un-Available");
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(300, 0, recruit.name);
  canvas.TextOut(300, 50, recruit.age);
  canvas.TextOut(300, 80, recruit.occupation);
  canvas.TextOut(300, 110, recruit.experience);
  canvas.TextOut(300, 140, recruit.description);
  canvas.TextOut(400, 200, "Speed: " + std::to_string(recruit.speed));
  canvas.TextOut(400, 230, "Endurance: " + std::to_string(recruit.endurance));
  canvas.TextOut(400, 260, "Accuracy: " + std::to_string(recruit.accuracy));
  canvas.TextOut(400, 290, "Agility: " + std::to_string(recruit.agility));
}

void TForm12::DrawRecruitMarkerAndPrice(gfx::Canvas& canvas) const {
  canvas.Font.Color = gfx::colors::Red;
  canvas.Font.Size = 24;
  canvas.Draw(400, 320, world_.Picture(kTeamPageForm, MarkerImage(RecruitNumbered(RecruitIndex).gear_level)));
  // Appended rather than concatenated: GCC 12 at -O3 misreads "$" + to_string as overlapping copies.
  std::string price = "$";
  price += std::to_string(kRecruitPrice);
  canvas.TextOut(400, 500, price);
}

// The photo is uncovered from the top down, with a green line on its edge.
void TForm12::WipePhoto(gfx::Canvas& canvas) {
  canvas.Pen.Color = gfx::colors::White;
  for (int y = RevealRow; y <= kPhotoHeight; ++y) {
    canvas.MoveTo(0, y);
    canvas.LineTo(kPhotoWidth, y);
  }
  if (RevealRow < kPhotoHeight) {
    canvas.Pen.Color = gfx::colors::Green;
    canvas.MoveTo(0, RevealRow);
    canvas.LineTo(kPhotoWidth, RevealRow);
  }
  RevealRow = std::min(RevealRow + kRevealPerTick, kPhotoHeight);
}

void TForm12::DrawButtons(gfx::Canvas& canvas) const {
  canvas.Draw(700, 0, world_.Picture(kRecruitmentForm, kNextButton));
  canvas.Draw(700, 550, world_.Picture(kRecruitmentForm, kCancelButton));
  if (!OnShowIsHired()) canvas.Draw(400, 550, world_.Picture(kRecruitmentForm, kRecruitButton));
}

void TForm12::DrawReplacingBox(gfx::Canvas& canvas) const {
  canvas.Brush.Color = gfx::colors::Silver;
  canvas.Font.Size = 12;
  canvas.Pen.Color = gfx::colors::Silver;
  for (int y = 200; y <= 500; ++y) {
    canvas.MoveTo(600, y);
    canvas.LineTo(800, y);
  }
  const int portrait = world_.Career.Portrait[world_.Shared.SelectedPlayer];
  canvas.Draw(738, 200, world_.Picture(tour::kNextMatchForm, SmallPortraitImage(portrait)));
  canvas.Draw(738, 248, world_.Picture(kRecruitmentForm, kSmallNextButton));
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{600, 200}, {799, 200}, {799, 500}, {600, 500}, {600, 200}});
}

void TForm12::DrawReplacedPlayer(gfx::Canvas& canvas) const {
  const career::CareerRecord& career = world_.Career;
  const int slot = world_.Shared.SelectedPlayer;
  canvas.Font.Color = gfx::colors::Red;
  canvas.TextOut(602, 202, "REPLACING");
  canvas.Font.Color = gfx::colors::Black;
  canvas.Font.Size = 14;
  canvas.TextOut(602, 230, career.PlayerName[slot].Get());
  canvas.Font.Size = 12;
  canvas.TextOut(630, 260, "Speed: " + std::to_string(career.Speed[slot]));
  canvas.TextOut(630, 280, "Endurance: " + std::to_string(career.Endurance[slot]));
  canvas.TextOut(630, 300, "Accuracy: " + std::to_string(career.Accuracy[slot]));
  canvas.TextOut(630, 320, "Agility: " + std::to_string(career.Agility[slot]));
  const std::string_view marker = MarkerLine(career.GearLevel[slot]);
  if (!marker.empty()) canvas.TextOut(602, 360, marker);
  canvas.TextOut(602, 400,
                 "Tags For:" + std::to_string(career.TagsFor[slot]) + "  Against:" + std::to_string(career.TagsAgainst[slot]));
  canvas.TextOut(602, 420,
                 "Pulls:" + std::to_string(career.FlagPulls[slot]) + "  Hangs:" + std::to_string(career.FlagHangs[slot]));
  canvas.Font.Color = gfx::colors::Red;
  canvas.TextOut(602, 460, "Team Cash: $" + std::to_string(career.Cash));
}

void TForm12::Image11MouseDown(core::MouseButton, int x, int y) {
  if (Between(700, x, 800) && Between(0, y, 50)) ShowNextRecruit();
  if (Between(700, x, 800) && Between(550, y, 600)) Cancel();
  if (Between(738, x, 800) && Between(248, y, 270)) ReplaceNextSlot();
  if (Between(400, x, 500) && Between(550, y, 600)) Hire();
}

void TForm12::ShowNextRecruit() {
  RecruitIndex = RecruitIndex % kRecruitCount + 1;
  RevealRow = 0;
  world_.Sounds.Play(Sound::Click);
}

void TForm12::Cancel() {
  world_.SwitchScreen(*this, world_.Form4());
  world_.Sounds.Play(Sound::Click);
}

void TForm12::ReplaceNextSlot() {
  world_.Sounds.Play(Sound::Click);
  world_.Shared.SelectedPlayer = world_.Shared.SelectedPlayer % kTeamSize + 1;
}

void TForm12::Hire() {
  career::CareerRecord& career = world_.Career;
  if (OnShowIsHired() || career.Cash < kRecruitPrice) return;
  career.Cash -= kRecruitPrice;
  career.RecruitHired[RecruitIndex] = 1;
  world_.Sounds.Play(Sound::Click);
  world_.Sounds.Play(Sound::CashRegister);
  OverwriteSlot(world_.Shared.SelectedPlayer, RecruitNumbered(RecruitIndex));
  world_.SwitchScreen(*this, world_.Form4());
}

// The replaced player leaves for good; only the slot's occupation and match places stay.
void TForm12::OverwriteSlot(int slot, const Recruit& recruit) {
  career::CareerRecord& career = world_.Career;
  career.PlayerName[slot].Set(InCapitals(recruit.name));
  career.Portrait[slot] = recruit.portrait;
  career.Speed[slot] = recruit.speed;
  career.Endurance[slot] = recruit.endurance;
  career.Agility[slot] = recruit.agility;
  career.Accuracy[slot] = recruit.accuracy;
  career.Paint[slot] = kFreshPaint;
  career.GearLevel[slot] = recruit.gear_level;
  career.InPlay[slot] = 1;
  for (auto* cleared : {&career.ShotCount, &career.ShotTimer, &career.SpareStat, &career.HasFlag, &career.TagsFor,
                        &career.TagsAgainst, &career.FlagPulls, &career.FlagHangs}) {
    (*cleared)[slot] = 0;
  }
}

}  // namespace team
