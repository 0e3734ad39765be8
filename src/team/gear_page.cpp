#include "team/gear_page.h"

#include <array>
#include <string_view>

#include "team/team_page.h"
#include "world/world.h"

namespace team {

namespace {

// One marker model of the catalogue, with its rating lines as printed.
struct MarkerModel {
  std::string_view rate_of_fire;
  std::string_view accuracy;
  std::string_view reliability;
  std::string_view weight;
  std::string_view catalogue;
};

// Levels 1..6 in order.
constexpr std::array<MarkerModel, 6> kMarkerModels{{
    {"Rate of Fire: Low", "Accuracy: Low", "Reliability: High", "Weight: Low", "Catalog #1"},
    {"Rate of Fire: Low", "Accuracy: Medium", "Reliability: High", "Weight: High", "Catalog #2"},
    {"Rate of Fire: Medium", "Accuracy: Medium", "Reliability: Medium", "Weight: High", "Catalog #3"},
    {"Rate of Fire: Medium", "Accuracy: Medium", "Reliability: High", "Weight: High", "Catalog #4"},
    {"Rate of Fire: High", "Accuracy: High", "Reliability: Low", "Weight: Medium", "Catalog #5"},
    {"Rate of Fire: High", "Accuracy: High", "Reliability: Medium", "Weight: Medium", "Catalog #6"},
}};

constexpr int kGearPageForm = 6;
constexpr int kTitleImage = 2;
constexpr int kNextButtonImage = 38;  // the team-building screen's NEXT
constexpr int kModelsPerColumn = 3;
constexpr int kEntryTops[kModelsPerColumn] = {50, 210, 370};
constexpr int kTextOffsets[] = {30, 50, 70, 90, 110};

int ColumnLeft(int level) { return level <= kModelsPerColumn ? 0 : 400; }
int EntryTop(int level) { return kEntryTops[(level - 1) % kModelsPerColumn]; }

}  // namespace

TForm6::TForm6(world::World& world) : world::Screen(world, 6, "Gear Page") {}

void TForm6::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kGearPageForm, kTitleImage));
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 13;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::White;
  for (int level = 1; level <= static_cast<int>(kMarkerModels.size()); ++level) DrawModel(canvas, level);
  DrawGrid(canvas);
  canvas.Draw(350, 550, world_.Picture(kTeamBuildingForm, kNextButtonImage));
  frame.Copy();
}

void TForm6::DrawModel(gfx::Canvas& canvas, int level) const {
  const MarkerModel& model = kMarkerModels[static_cast<std::size_t>(level - 1)];
  const int left = ColumnLeft(level);
  const int top = EntryTop(level);
  canvas.Draw(left, top, world_.Picture(kTeamPageForm, MarkerImage(level)));
  const std::string_view lines[] = {model.rate_of_fire, model.accuracy, model.reliability, model.weight,
                                    model.catalogue};
  for (std::size_t line = 0; line < std::size(lines); ++line) {
    canvas.TextOut(left + 200, top + kTextOffsets[line], lines[line]);
  }
}

void TForm6::DrawGrid(gfx::Canvas& canvas) const {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{0, 50}, {799, 50}, {799, 530}, {0, 530}, {0, 50}});
  canvas.MoveTo(400, 50);
  canvas.LineTo(400, 530);
  canvas.MoveTo(0, 210);
  canvas.LineTo(799, 210);
  canvas.MoveTo(0, 370);
  canvas.LineTo(799, 370);
}

void TForm6::Image1MouseDown(core::MouseButton, int x, int y) {
  if (x > 350 && x < 450 && y > 550 && y < 600) {
    world_.SwitchScreen(*this, world_.Form4());
    world_.Sounds.Play(core::Sound::Click);
  }
}

}  // namespace team
