#pragma once
#include "world/world.h"

namespace training {

// The training menu: the $500 are already paid, so the only way on is one of four trainings.
class TForm16 : public world::Screen {
 public:
  explicit TForm16(world::World& world);

  void Timer1Timer() override;
  void InputMouseDown(core::MouseButton button, int x, int y) override { Image5MouseDown(button, x, y); }
  void Image5MouseDown(core::MouseButton button, int x, int y);

 private:
  void TrainAccuracy();
  void TrainAgility();
  void TrainSpeed();
  void TrainAtRandom();
};

}  // namespace training
