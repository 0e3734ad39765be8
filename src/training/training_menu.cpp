#include "training/training_menu.h"

#include "shell/program.h"
#include "training/speed_training.h"
#include "training/tag_duel.h"
#include "training/target_shooting.h"
#include "training/training_reward.h"

namespace training {

namespace {

using shell::Between;

bool OnPicture(int left, int x, int y) { return Between(left, x, left + 250) && Between(100, y, 350); }

}  // namespace

TForm16::TForm16(shell::Program& program) : shell::Screen(program, kTrainingMenuForm, "Form16") {
  Background = shell::WindowBackground::ButtonHighlight;
}

void TForm16::Timer1Timer() {
  shell::Frame frame(*this, &program_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, program_.Picture(kTrainingMenuForm, 1));
  canvas.Draw(0, 100, program_.Picture(kTrainingMenuForm, 2));
  canvas.Draw(275, 100, program_.Picture(kTrainingMenuForm, 3));
  canvas.Draw(550, 100, program_.Picture(kTrainingMenuForm, 4));
  canvas.Draw(300, 400, program_.Picture(kTrainingMenuForm, 6));
  frame.Copy();
}

void TForm16::Image5MouseDown(shell::MouseButton, int x, int y) {
  if (OnPicture(0, x, y)) TrainAccuracy();
  if (OnPicture(275, x, y)) TrainAgility();
  if (OnPicture(550, x, y)) TrainSpeed();
  if (Between(300, x, 500) && Between(400, y, 450)) TrainAtRandom();
}

void TForm16::TrainAccuracy() {
  program_.SwitchScreen(*this, program_.Form19());
  program_.Training.Target.Begin(program_.Rng(20) - 10);
}

void TForm16::TrainAgility() {
  program_.SwitchScreen(*this, program_.Form18());
  program_.Training.Duel.Begin();
}

void TForm16::TrainSpeed() {
  program_.SwitchScreen(*this, program_.Form17());
  program_.Training.Speed.Begin();
}

void TForm16::TrainAtRandom() {
  using career::CareerRecord;
  switch (program_.Rng(4) + 1) {
    case 1: Raise(program_, &CareerRecord::Endurance, 1); break;
    case 2: Raise(program_, &CareerRecord::Speed, 1); break;
    case 3: Raise(program_, &CareerRecord::Agility, 1); break;
    case 4: Raise(program_, &CareerRecord::Accuracy, 1); break;
  }
  FinishTraining(program_, *this);
}

}  // namespace training
