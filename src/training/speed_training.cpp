#include "training/speed_training.h"

#include <string>

#include "training/training_reward.h"
#include "world/world.h"

namespace training {

namespace {

constexpr int kSpeedTrainingForm = 17;
constexpr int kRunnerFrames = 9;
constexpr int kSpeedPerRelease = 4;
constexpr int kTopSpeed = 500;
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kGoodAverage = 200;
constexpr int kFineAverage = 250;

}  // namespace

TForm17::TForm17(world::World& world) : world::Screen(world, kSpeedTrainingForm, "Form17") {}

SpeedRun& TForm17::Run() { return world_.Training.Speed; }

void TForm17::Image10MouseUp(core::MouseButton button, int, int) {
  const int released = button == core::MouseButton::Left ? kLeft : button == core::MouseButton::Right ? kRight : 0;
  if (released == 0 || released == Run().LastButton) return;
  Run().RunSpeed += kSpeedPerRelease;
  Run().LastButton = released;
}

void TForm17::Timer1Timer() {
  if (Run().TrainTicks >= kRunTicks) return;
  const int average = RunTick();
  if (Run().TrainTicks < kRunTicks) return;
  Reward(average);
  FinishTraining(world_, *this);
}

int TForm17::RunTick() {
  core::Frame frame(*this, &world_.Fonts());
  gfx::Canvas& canvas = frame.Canvas();
  canvas.Draw(0, 0, world_.Picture(kSpeedTrainingForm, Run().RunFrame));
  AdvanceRunner();
  DrawAxes(canvas);
  DrawGraph(canvas);
  DrawDot(canvas);
  RecordSpeed();
  Decay();
  const int average = Average();
  DrawInstructions(canvas);
  DrawAverage(canvas, average);
  DrawTimer(canvas);
  frame.Copy();
  return average;
}

// The faster the run, the sooner the next picture: every 4 ticks below speed 100, every
// tick from 300.
void TForm17::AdvanceRunner() {
  SpeedRun& run = Run();
  run.FrameDelay -= 1;
  if (run.RunSpeed / 100 <= run.FrameDelay) return;
  run.RunFrame = run.RunFrame % kRunnerFrames + 1;
  run.FrameDelay = 3;
}

void TForm17::DrawAxes(gfx::Canvas& canvas) {
  canvas.Pen.Color = gfx::colors::Black;
  canvas.Polyline({{150, 550}, {650, 550}, {650, 150}});
  canvas.Brush.Color = gfx::colors::White;
  canvas.Font.Name = "Arial";
  canvas.Font.Size = 12;
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(380, 555, "Time");
  canvas.TextOut(655, 300, "Speed");
}

void TForm17::DrawGraph(gfx::Canvas& canvas) {
  canvas.Pen.Color = gfx::colors::SkyBlue;
  for (int i = 1; i <= kRunTicks; ++i) canvas.Polyline({{150 + i, 549}, {150 + i, 549 - Run().SpeedHistory[i]}});
}

void TForm17::DrawDot(gfx::Canvas& canvas) {
  const SpeedRun& run = Run();
  canvas.Pen.Color = gfx::colors::Red;
  canvas.Brush.Color = gfx::colors::Red;
  canvas.Ellipse(run.TrainTicks + 148, 548 - run.RunSpeed, run.TrainTicks + 152, 552 - run.RunSpeed);
}

void TForm17::RecordSpeed() {
  SpeedRun& run = Run();
  run.TrainTicks += 1;
  if (run.RunSpeed > kTopSpeed) run.RunSpeed = kTopSpeed;
  run.SpeedHistory[run.TrainTicks] = run.RunSpeed;
}

void TForm17::Decay() {
  SpeedRun& run = Run();
  run.RunSpeed = run.RunSpeed - run.RunSpeed / 60 - 1;
  if (run.RunSpeed < 0) run.RunSpeed = 0;
}

int TForm17::Average() {
  const SpeedRun& run = Run();
  long long sum = 1;
  for (int tick = 1; tick <= run.TrainTicks; ++tick) sum += run.SpeedHistory[tick];
  return static_cast<int>(sum / run.TrainTicks);
}

void TForm17::DrawInstructions(gfx::Canvas& canvas) {
  canvas.Font.Size = 15;
  canvas.Font.Color = gfx::colors::Black;
  canvas.Brush.Color = gfx::colors::White;
  canvas.TextOut(350, 0, "Click LEFT & RIGHT mouse buttons to increase");
  canvas.TextOut(350, 35, "running speed. The higher your average the");
  canvas.TextOut(350, 70, "more effective your training will be.");
  canvas.TextOut(120, 0, "Speed: " + std::to_string(Run().RunSpeed));
}

void TForm17::DrawAverage(gfx::Canvas& canvas, int average) {
  canvas.Font.Color = average > kFineAverage  ? gfx::colors::Green
                      : average > kGoodAverage ? gfx::colors::Blue
                                               : gfx::colors::Red;
  canvas.TextOut(120, 40, "Avg: " + std::to_string(average));
}

void TForm17::DrawTimer(gfx::Canvas& canvas) {
  canvas.Font.Color = gfx::colors::Black;
  canvas.TextOut(120, 80, "Timer: " + std::to_string(Run().TrainTicks / 10));
}

void TForm17::Reward(int average) {
  if (average > kGoodAverage) {
    Raise(world_, &career::CareerRecord::Speed, 1);
    Raise(world_, &career::CareerRecord::Endurance, 1);
  }
  if (average > kFineAverage) {
    Raise(world_, &career::CareerRecord::Speed, 1);
    Raise(world_, &career::CareerRecord::Endurance, 1);
  }
}

}  // namespace training
