#include "training/training_menu.h"

#include "training/speed_training.h"
#include "training/tag_duel.h"
#include "training/target_shooting.h"
#include "training/training_reward.h"
#include "world/world.h"

namespace training {

namespace {

using core::Between;

constexpr int kTrainingMenuForm = 16;

bool OnPicture(int left, int x, int y) { return Between(left, x, left + 250) && Between(100, y, 350); }

}  // namespace

TForm16::TForm16(world::World& world) : world::Screen(world, kTrainingMenuForm, "Form16") {
  Background = core::WindowBackground::ButtonHighlight;
}

void TForm16::Timer1Timer() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kTrainingMenuForm, 1));
  canvas.Draw(0, 100, world_.Picture(kTrainingMenuForm, 2));
  canvas.Draw(275, 100, world_.Picture(kTrainingMenuForm, 3));
  canvas.Draw(550, 100, world_.Picture(kTrainingMenuForm, 4));
  canvas.Draw(300, 400, world_.Picture(kTrainingMenuForm, 6));
  frame.Copy();
}

void TForm16::Image5MouseDown(core::MouseButton, int x, int y) {
  if (OnPicture(0, x, y)) TrainAccuracy();
  if (OnPicture(275, x, y)) TrainAgility();
  if (OnPicture(550, x, y)) TrainSpeed();
  if (Between(300, x, 500) && Between(400, y, 450)) TrainAtRandom();
}

void TForm16::TrainAccuracy() {
  world_.SwitchScreen(*this, world_.Form19());
  world_.Training.Target.Begin(world_.Rng(20) - 10);
}

void TForm16::TrainAgility() {
  world_.SwitchScreen(*this, world_.Form18());
  world_.Training.Duel.Begin();
}

void TForm16::TrainSpeed() {
  world_.SwitchScreen(*this, world_.Form17());
  world_.Training.Speed.Begin();
}

void TForm16::TrainAtRandom() {
  using career::CareerRecord;
  switch (world_.Rng(4) + 1) {
    case 1: Raise(world_, &CareerRecord::Endurance, 1); break;
    case 2: Raise(world_, &CareerRecord::Speed, 1); break;
    case 3: Raise(world_, &CareerRecord::Agility, 1); break;
    case 4: Raise(world_, &CareerRecord::Accuracy, 1); break;
  }
  FinishTraining(world_, *this);
}

}  // namespace training
