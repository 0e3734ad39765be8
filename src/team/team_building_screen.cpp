#include "team/team_building_screen.h"

#include <string>

#include "team/occupations.h"
#include "team/onscreen_keyboard.h"
#include "team/team_page.h"
#include "world/country_pictures.h"
#include "world/world.h"

namespace team {

namespace {

using core::Sound;

constexpr int kForm = 2;
constexpr int kOptionsScreen = 3;
constexpr int kNextMatchScreen = 7;

constexpr int kTeamSize = 7;
constexpr int kPoseCount = 4;
constexpr int kLastPortrait = 20;
constexpr int kMaxKeyPresses = 10;
constexpr int kNameCapacity = 20;

// Pictures of this screen.
constexpr int kHeading = 1;
constexpr int kFirstNumberButton = 3;
constexpr int kFirstHighlightedButton = 10;
constexpr int kFirstFace = 17;
constexpr int kNoFace = 37;
constexpr int kNextButton = 38;
constexpr int kPrevButton = 39;
constexpr int kChangeButton = 40;
constexpr int kKeyboard = 41;
constexpr int kFirstMarker = 42;
constexpr int kCompletionButton = 44;
// The next-match screen's full figures: four female poses, then four male ones.
constexpr int kFirstFemaleFigure = 34;
constexpr int kFirstMaleFigure = 38;

const gfx::Color kSilver = gfx::colors::Silver;

int FaceImage(int portrait) {
  if (portrait == 0) return kNoFace;
  return portrait >= 1 && portrait <= kLastPortrait ? kFirstFace + portrait - 1 : 0;
}

int MarkerPicture(int gear_level) { return gear_level == 1 || gear_level == 2 ? kFirstMarker + gear_level - 1 : 0; }

int NumberButtonLeft(int player) { return 50 + 100 * (player - 1); }

// The player button under X, 0 between and beside them.
int PlayerButtonAt(int x) {
  for (int player = 1; player <= kTeamSize; ++player) {
    if (NumberButtonLeft(player) < x && x < NumberButtonLeft(player) + 100) return player;
  }
  return 0;
}

bool OnPortraitButtons(int y) { return 500 < y && y < 550; }
bool OnPrev(int x) { return 430 < x && x < 530; }
bool OnNext(int x) { return 650 < x && x < 750; }
bool OnChange(int x, int y) { return 40 < x && x < 100 && 250 < y && y < 281; }
bool OnCompletion(int x, int y) { return 440 < x && x < 753 && 550 < y && y < 600; }

// PREV counts up and NEXT counts down; a recruit's face (-1 or 21) goes to the ends.
int PortraitAfterPrev(int portrait) { return portrait + 1 > kLastPortrait ? 0 : portrait + 1; }
int PortraitAfterNext(int portrait) { return portrait - 1 < 0 ? kLastPortrait : portrait - 1; }

}  // namespace

TForm2::TForm2(world::World& world) : world::Screen(world, kForm, "Build Your Team") {}

std::int32_t& TForm2::SelectedPortrait() { return world_.Career.Portrait[world_.Shared.SelectedPlayer]; }

void TForm2::Click() { world_.Sounds.Play(Sound::Click); }

void TForm2::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kForm, kHeading));
  if (PortraitLoaded == 0) {
    EditPortrait = SelectedPortrait();
    PortraitLoaded = 1;
  }
  DrawNumberButtons(canvas);
  canvas.Draw(300, 200, world_.Picture(kOptionsScreen, world::CountryLabelImage(world_.Career.HomeCountry)));
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 20;
  canvas.Font.Color = gfx::colors::Black;
  if (!Renaming) DrawPlayer(canvas);
  canvas.Draw(430, 250, world_.Picture(kForm, FaceImage(EditPortrait)));
  DrawPortraitButtons(canvas);
  if (Renaming) DrawKeyboard(canvas);
  if (!Renaming) DrawMarkerAndCompletion(canvas);
  frame.Copy();
}

void TForm2::DrawNumberButtons(gfx::Canvas& canvas) const {
  for (int player = 1; player <= kTeamSize; ++player) {
    canvas.Draw(NumberButtonLeft(player), 100, world_.Picture(kForm, kFirstNumberButton + player - 1));
  }
  const int selected = world_.Shared.SelectedPlayer;
  if (selected >= 1 && selected <= kTeamSize) {
    canvas.Draw(NumberButtonLeft(selected), 100, world_.Picture(kForm, kFirstHighlightedButton + selected - 1));
  }
}

void TForm2::DrawPlayer(gfx::Canvas& canvas) const {
  const career::CareerRecord& career = world_.Career;
  const int selected = world_.Shared.SelectedPlayer;
  canvas.TextOut(100, 250, career.PlayerName[selected].Get());
  canvas.Draw(35, 250, world_.Picture(kForm, kChangeButton));
  canvas.TextOut(100, 280, OccupationName(career.Occupation[selected]));
  canvas.Font.Color = kSilver;
  canvas.TextOut(135, 330, "Speed:");
  canvas.TextOut(135, 360, "Endurance:");
  canvas.TextOut(135, 390, "Agility:");
  canvas.TextOut(135, 420, "Accuracy:");
  DrawFigure(canvas);
  DrawAttributes(canvas);
}

void TForm2::DrawFigure(gfx::Canvas& canvas) const {
  const int portrait = world_.Career.Portrait[world_.Shared.SelectedPlayer];
  const int pose = BodyPose >= 1 && BodyPose <= kPoseCount ? BodyPose : 1;
  if (portrait < 11) canvas.Draw(0, 330, world_.Picture(kNextMatchScreen, kFirstFemaleFigure + pose - 1));
  if (portrait > 10 || portrait == 0) canvas.Draw(0, 330, world_.Picture(kNextMatchScreen, kFirstMaleFigure + pose - 1));
}

void TForm2::DrawAttributes(gfx::Canvas& canvas) const {
  const career::CareerRecord& career = world_.Career;
  const int selected = world_.Shared.SelectedPlayer;
  canvas.TextOut(300, 330, std::to_string(career.Speed[selected]));
  canvas.TextOut(300, 360, std::to_string(career.Endurance[selected]));
  canvas.TextOut(300, 390, std::to_string(career.Agility[selected]));
  canvas.TextOut(300, 420, std::to_string(career.Accuracy[selected]));
}

void TForm2::DrawPortraitButtons(gfx::Canvas& canvas) const {
  canvas.Draw(430, 500, world_.Picture(kForm, kPrevButton));
  canvas.Draw(650, 500, world_.Picture(kForm, kNextButton));
}

void TForm2::DrawKeyboard(gfx::Canvas& canvas) const {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{100, 250}, {420, 250}, {420, 277}, {100, 277}, {100, 250}});
  canvas.Draw(100, 300, world_.Picture(kForm, kKeyboard));
  canvas.Font.Size = 16;
  canvas.TextOut(105, 251, NameBuffer + "|");
}

void TForm2::DrawMarkerAndCompletion(gfx::Canvas& canvas) const {
  const int gear_level = world_.Career.GearLevel[world_.Shared.SelectedPlayer];
  canvas.Draw(130, 450, world_.Picture(kForm, MarkerPicture(gear_level)));
  canvas.Draw(440, 550, world_.Picture(kForm, kCompletionButton));
}

void TForm2::Image2MouseDown(core::MouseButton, int x, int y) {
  AdvancePose();
  SelectPlayerAt(x, y);
  BrowsePortraitsAt(x, y);
  StartRenamingAt(x, y);
  CompleteTeamAt(x, y);
  TypeAt(x, y);
}

void TForm2::AdvancePose() { BodyPose = BodyPose >= kPoseCount ? 1 : BodyPose + 1; }

void TForm2::SelectPlayerAt(int x, int y) {
  if (Renaming || !(100 < y && y < 200)) return;
  if (const int player = PlayerButtonAt(x); player != 0) world_.Shared.SelectedPlayer = player;
  EditPortrait = SelectedPortrait();
  Click();
}

void TForm2::BrowsePortraitsAt(int x, int y) {
  if (!OnPortraitButtons(y)) return;
  if (OnPrev(x)) {
    EditPortrait = PortraitAfterPrev(EditPortrait);
    SelectedPortrait() = EditPortrait;
    Click();
  }
  if (OnNext(x)) {
    EditPortrait = PortraitAfterNext(EditPortrait);
    SelectedPortrait() = EditPortrait;
    Click();
  }
}

void TForm2::StartRenamingAt(int x, int y) {
  if (Renaming || !OnChange(x, y)) return;
  Renaming = 1;
  KeyCount = 0;
  NameBuffer.clear();
  Click();
}

void TForm2::CompleteTeamAt(int x, int y) {
  if (Renaming || !OnCompletion(x, y)) return;
  world_.SwitchScreen(*this, world_.Form4());
  Click();
  world_.Shared.SelectedPlayer = 1;
}

void TForm2::TypeAt(int x, int y) {
  if (!Renaming) return;
  for (const KeyRow& row : kLetterRows) TypeLetterRow(row, x, y);
  TypeSpace(x, y);
  ClearName(x, y);
  AcceptName(x, y);
}

// Every press in a row's band counts towards the ten, whether or not it hit a letter; but
// CLR and OK reach into the bands, and a press on them is not typing: otherwise OK with
// nothing typed would leave the player without a name instead of "Unknown Player #".
void TForm2::TypeLetterRow(const KeyRow& row, int x, int y) {
  if (KeyCount >= kMaxKeyPresses || !InBand(row, y)) return;
  if (kClearKey.Contains(x, y) || kOkKey.Contains(x, y)) return;
  if (const auto letter = LetterAt(row, x)) Append(*letter);
  ++KeyCount;
  Click();
}

void TForm2::TypeSpace(int x, int y) {
  if (KeyCount >= kMaxKeyPresses || !kSpaceKey.Contains(x, y)) return;
  Append(' ');
  ++KeyCount;
  Click();
}

void TForm2::ClearName(int x, int y) {
  if (!kClearKey.Contains(x, y)) return;
  NameBuffer.clear();
  KeyCount = 0;
  Click();
}

void TForm2::AcceptName(int x, int y) {
  if (!kOkKey.Contains(x, y)) return;
  const int selected = world_.Shared.SelectedPlayer;
  if (KeyCount < 1) {
    world_.Career.PlayerName[selected].Set("Unknown Player #" + std::to_string(selected));
  } else {
    world_.Career.PlayerName[selected].Set(NameBuffer);
  }
  NameBuffer.clear();
  KeyCount = 0;
  Renaming = 0;
  Click();
}

void TForm2::Append(char character) {
  if (static_cast<int>(NameBuffer.size()) < kNameCapacity) NameBuffer.push_back(character);
}

}  // namespace team
