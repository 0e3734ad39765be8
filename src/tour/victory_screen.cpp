#include "tour/victory_screen.h"

#include "tour/frame_loop.h"
#include "world/world.h"

namespace tour {

namespace {

constexpr int kVictoryForm = 11;
constexpr int kPedestal = 1;
constexpr int kLeftFigure = 2;
constexpr int kRightFigure = 3;
constexpr FrameLoop kTrophyFigure{10, 4};

}  // namespace

TForm11::TForm11(world::World& world) : world::Screen(world, 11, "Victory Screen (Form11)") {}

void TForm11::Timer1Timer() {
  // The trophy turns from the program's start, seen or not; only a shown screen is drawn.
  if (!Visible()) {
    TrophyFrame = kTrophyFigure.Next(TrophyFrame);
    return;
  }
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  const auto picture = [this](int image) { return world_.Picture(kVictoryForm, image); };
  canvas.Draw(1, 0, picture(kLeftFigure));
  canvas.Draw(1, 447, picture(kPedestal));
  canvas.Draw(550, 0, picture(kRightFigure));
  canvas.Draw(549, 447, picture(kPedestal));
  TrophyFrame = kTrophyFigure.Next(TrophyFrame);
  canvas.Draw(275, -20, picture(kTrophyFigure.Image(TrophyFrame)));
  canvas.Draw(275, 427, picture(kPedestal));
  frame.Copy();
}

// The career's play ends here: with no screen left showing, the watchdog brings back the
// title screen in its closing state.
void TForm11::Image15MouseDown(core::MouseButton, int, int) {
  Hide();
  world_.Sounds.Stop(core::Sound::Victory);
}

}  // namespace tour
