#include "team/team_page.h"

#include <algorithm>
#include <string>

#include "career/switch.h"
#include "help/help_screen.h"
#include "team/gear_page.h"
#include "team/recruitment_screen.h"
#include "team/team_menu.h"
#include "tour/next_match_screen.h"
#include "tour/scoring.h"
#include "tour/travel_screen.h"
#include "tour/victory_screen.h"
#include "tour/world_screen.h"
#include "training/training_menu.h"
#include "world/country_pictures.h"
#include "world/world.h"

namespace team {

namespace {

using core::Sound;

constexpr int kTeamSize = 7;
constexpr int kNoPortrait = 0;
constexpr int kFemaleRecruitPortrait = -1;
constexpr int kMaleRecruitPortrait = 21;
// Where the airliner starts each flight.
constexpr int kTravelPlaneStartX = -500;

constexpr gfx::Color kPaleGreen{192, 220, 192};

int RowTop(int slot) { return 25 * slot + 55; }

// The player rows of the table: slot 1 from y 80 to 105, each next one 25 further down.
int SlotAtRow(int y) {
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    if (y > RowTop(slot) && y < RowTop(slot) + 25) return slot;
  }
  return 0;
}

}  // namespace

int MarkerImage(int gear_level) { return gear_level >= 1 && gear_level <= 6 ? gear_level + 2 : 0; }

namespace {

// Where a set of portrait pictures lies among its screen's pictures.
struct PortraitPictures {
  int first_face;  // the picture of portrait 1; portraits 2..20 follow it
  int no_portrait;
  int recruit;     // the recruits' masked face
};

int PortraitPicture(int portrait, const PortraitPictures& pictures) {
  if (portrait >= 1 && portrait <= 20) return pictures.first_face + portrait - 1;
  if (portrait == kNoPortrait) return pictures.no_portrait;
  if (portrait == kFemaleRecruitPortrait || portrait == kMaleRecruitPortrait) return pictures.recruit;
  return 0;
}

int PortraitImage(int portrait) { return PortraitPicture(portrait, {17, 37, 45}); }

}  // namespace

int SmallPortraitImage(int portrait) { return PortraitPicture(portrait, {14, 13, 45}); }

void CapAttributes(career::CareerRecord& career) {
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    for (auto* attribute : {&career.Speed, &career.Endurance, &career.Agility, &career.Accuracy}) {
      (*attribute)[slot] = std::min((*attribute)[slot], kAttributeCeiling);
    }
  }
}


TForm4::TForm4(world::World& world) : world::Screen(world, 4, "Team Page") {}

void TForm4::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  ClampLowTechGear();
  StopJingles();
  canvas.Draw(0, 0, world_.Picture(kTeamPageForm, 2));
  if (TourFinished()) HandOverToVictory();
  ClampAttributes();
  KeepMusic();
  DrawIcons(canvas);
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 14;
  SkipHomeCountry();
  DrawTeamTable(canvas);
  DrawSelectedPortrait(canvas);
  DrawRightOutlines(canvas);
  DrawSelectedMarker(canvas);
  DrawMoney(canvas);
  DrawCareerStatistics(canvas);
  DrawCountries(canvas);
  DrawHoverText(canvas);
  frame.Copy();
}

void TForm4::ClampLowTechGear() {
  if (world_.Career.TechLevel != 1) return;
  for (int slot = 1; slot <= kTeamSize; ++slot) {
    career::int32& level = world_.Career.GearLevel[slot];
    level = std::min(level, kLowTechGearCeiling);
  }
}

void TForm4::StopJingles() {
  world_.Sounds.Stop(Sound::Defeat);
  world_.Sounds.Stop(Sound::Victory);
}

void TForm4::HandOverToVictory() {
  world_.SwitchScreen(*this, world_.Form11());
  world_.Sounds.Play(Sound::Victory);
}

void TForm4::ClampAttributes() { CapAttributes(world_.Career); }

void TForm4::KeepMusic() {
  if (world_.Career.MusicOn == 1) world_.Sounds.Play(Sound::Drummers);
  if (world_.Career.MusicOn == 0) world_.Sounds.Stop(Sound::Drummers);
  if (TourFinished()) world_.Sounds.Stop(Sound::Drummers);
}

// A stage past the last country, from a damaged save, is a finished tour too.
bool TForm4::TourFinished() const { return world_.Career.TourStage >= tour::kTourFinished; }

// A stage below the finished tour steps on, so it never counts past the last number; a
// zero-filled save, home and stage 0, goes on at Australia.
void TForm4::SkipHomeCountry() {
  career::CareerRecord& career = world_.Career;
  if (career.TourStage < tour::kTourFinished && career.TourStage == career.HomeCountry) ++career.TourStage;
}

void TForm4::DrawIcons(gfx::Canvas& canvas) const {
  for (const MenuEntry& entry : kMenu) {
    canvas.Draw(entry.icon_x, kMenuIconY, world_.Picture(kTeamPageForm, entry.icon_image));
  }
}

void TForm4::DrawTeamTable(gfx::Canvas& canvas) const {
  canvas.Brush.Color = gfx::colors::Silver;
  canvas.FillRect(5, 50, 450, 321);
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{5, 50}, {449, 50}, {449, 320}, {5, 320}, {5, 50}});
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(10, 52, "Player Name");
  canvas.TextOut(200, 52, "Spd");
  canvas.TextOut(250, 52, "End");
  canvas.TextOut(300, 52, "Agi");
  canvas.TextOut(350, 52, "Acc");
  canvas.TextOut(400, 52, "Pnt");
  for (int slot = 1; slot <= kTeamSize; ++slot) DrawPlayerRow(canvas, slot);
}

void TForm4::DrawPlayerRow(gfx::Canvas& canvas, int slot) const {
  const career::CareerRecord& career = world_.Career;
  const int y = RowTop(slot);
  canvas.Font.Color = slot == world_.Shared.SelectedPlayer ? gfx::colors::Red : gfx::colors::Black;
  canvas.TextOut(10, y, career.PlayerName[slot].Get());
  canvas.TextOut(200, y, std::to_string(career.Speed[slot]));
  canvas.TextOut(250, y, std::to_string(career.Endurance[slot]));
  canvas.TextOut(300, y, std::to_string(career.Agility[slot]));
  canvas.TextOut(350, y, std::to_string(career.Accuracy[slot]));
  canvas.TextOut(400, y, std::to_string(career.Paint[slot]));
}

void TForm4::DrawSelectedPortrait(gfx::Canvas& canvas) const {
  const int portrait = world_.Career.Portrait[world_.Shared.SelectedPlayer];
  canvas.Draw(450, 75, world_.Picture(kTeamBuildingForm, PortraitImage(portrait)));
}

void TForm4::DrawRightOutlines(gfx::Canvas& canvas) const {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{449, 50}, {799, 50}, {799, 320}, {449, 320}});
  canvas.Polyline({{799, 320}, {799, 599}, {449, 599}, {449, 320}});
}

void TForm4::DrawSelectedMarker(gfx::Canvas& canvas) const {
  const int level = world_.Career.GearLevel[world_.Shared.SelectedPlayer];
  canvas.Draw(500, 330, world_.Picture(kTeamPageForm, MarkerImage(level)));
}

void TForm4::DrawMoney(gfx::Canvas& canvas) const {
  const career::CareerRecord& career = world_.Career;
  canvas.Font.Color = gfx::colors::Blue;
  canvas.TextOut(10, 270, "Cash: $" + std::to_string(career.Cash));
  canvas.TextOut(200, 270, "Wins: " + std::to_string(career.Wins));
  canvas.TextOut(300, 270, "Losses: " + std::to_string(career.Losses));
}

void TForm4::DrawCareerStatistics(gfx::Canvas& canvas) const {
  const career::CareerRecord& career = world_.Career;
  const int slot = world_.Shared.SelectedPlayer;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::White;
  canvas.TextOut(500, 480, "Tags For: ");
  canvas.TextOut(500, 505, "Tags Against: ");
  canvas.TextOut(500, 530, "Flag Pulls: ");
  canvas.TextOut(500, 555, "Flag Hangs: ");
  canvas.TextOut(700, 480, std::to_string(career.TagsFor[slot]));
  canvas.TextOut(700, 505, std::to_string(career.TagsAgainst[slot]));
  canvas.TextOut(700, 530, std::to_string(career.FlagPulls[slot]));
  canvas.TextOut(700, 555, std::to_string(career.FlagHangs[slot]));
}

void TForm4::DrawCountries(gfx::Canvas& canvas) const {
  const int home = world_.Career.HomeCountry;
  const int stage = world_.Career.TourStage;
  canvas.Draw(0, 321, world_.Picture(kOptionsForm, world::CountryFlagImage(home)));
  canvas.Draw(0, 521, world_.Picture(kOptionsForm, world::CountryLabelImage(home)));
  canvas.Draw(220, 321, world_.Picture(kOptionsForm, world::CountryFlagImage(stage)));
  canvas.Draw(220, 521, world_.Picture(kOptionsForm, world::CountryLabelImage(stage)));
}

void TForm4::DrawHoverText(gfx::Canvas& canvas) const {
  canvas.Font.Size = 12;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = kPaleGreen;
  if (const MenuEntry* entry = MenuEntryOf(world_.Shared.HoverItem)) {
    canvas.TextOut(entry->hover_text_x, kHoverTextY, entry->hover_text);
  }
}

void TForm4::Image1MouseMove(int x, int y) {
  world_.Shared.HoverItem = static_cast<int>(HoveredItem(x, y));
}

void TForm4::Image1MouseDown(core::MouseButton, int x, int y) {
  if (x > 0 && x < 450) SelectPlayerAt(y);
  CarryOut(ClickedItem(x, y));
}

void TForm4::SelectPlayerAt(int y) {
  if (const int slot = SlotAtRow(y)) world_.Shared.SelectedPlayer = slot;
  world_.Sounds.Play(Sound::Click);
}

void TForm4::CarryOut(MenuItem item) {
  switch (item) {
    case MenuItem::None: break;
    case MenuItem::WorldInfo: OpenWorld(); break;
    case MenuItem::GearInfo: OpenGear(); break;
    case MenuItem::TrainPlayer: TrainPlayer(); break;
    case MenuItem::UpgradeGear: UpgradeGear(); break;
    case MenuItem::BuyPaint: BuyPaint(); break;
    case MenuItem::ToggleMusic: ToggleMusic(); break;
    case MenuItem::NextMatch: NextMatch(); break;
    case MenuItem::Recruitment: OpenRecruitment(); break;
    case MenuItem::ExitGame: ExitGame(); break;
    case MenuItem::Questions: OpenHelp(); break;
  }
}

void TForm4::OpenWorld() {
  world_.SwitchScreen(*this, world_.Form5());
  world_.Sounds.Play(Sound::Click);
}

void TForm4::OpenGear() {
  world_.SwitchScreen(*this, world_.Form6());
  world_.Sounds.Play(Sound::Click);
}

void TForm4::TrainPlayer() {
  world_.Sounds.Play(Sound::Click);
  if (world_.Career.Cash < kTrainingPrice) return;
  world_.Career.Cash -= kTrainingPrice;
  world_.SwitchScreen(*this, world_.Form16());
}

int TForm4::GearCeiling() const {
  return world_.Career.TechLevel == 1 ? kLowTechGearCeiling : kHighTechGearCeiling;
}

void TForm4::UpgradeGear() {
  world_.Sounds.Play(Sound::Click);
  career::int32& level = world_.Career.GearLevel[world_.Shared.SelectedPlayer];
  if (world_.Career.Cash < kUpgradePrice || level >= GearCeiling()) return;
  world_.Career.Cash -= kUpgradePrice;
  world_.Sounds.Play(Sound::CashRegister);
  ++level;
}

void TForm4::BuyPaint() {
  world_.Sounds.Play(Sound::Click);
  career::int32& paint = world_.Career.Paint[world_.Shared.SelectedPlayer];
  if (world_.Career.Cash < kPaintPrice || paint >= kPaintBuyingLimit) return;
  world_.Career.Cash -= kPaintPrice;
  world_.Sounds.Play(Sound::CashRegister);
  paint += kPaintPerPurchase;
}

void TForm4::ToggleMusic() {
  world_.Career.MusicOn = career::TurnedOver(world_.Career.MusicOn);
  world_.Sounds.Play(Sound::Click);
}

void TForm4::OpenRecruitment() { world_.SwitchScreen(*this, world_.Form12()); }

void TForm4::ExitGame() {
  Hide();
  world_.DisableTick(*this);
}

void TForm4::OpenHelp() { world_.SwitchScreen(*this, world_.Form13()); }

// The next screen shows first, so a save that fails is reported over it and the old
// career file stays as it was. A press that comes before the page's first tick, a double
// click on the result sheet, still passes over the home country and ends a finished tour.
void TForm4::NextMatch() {
  SkipHomeCountry();
  if (TourFinished()) return HandOverToVictory();
  world_.Sounds.Play(Sound::Click);
  world_.Sounds.Stop(Sound::CashRegister);
  world_.DisableTick(*this);
  if (world_.Career.MatchPending == 1) {
    world_.EnableTick(world_.Form7());
    world_.Form7().Show();
  } else {
    tour::TForm10& travel = world_.Form10();
    world_.EnableTick(travel);
    travel.Show();
    travel.PlaneX = kTravelPlaneStartX;
    travel.TravelBand = 0;
  }
  Hide();
  world_.SaveCareer();
}

}  // namespace team
