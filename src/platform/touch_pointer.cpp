#include "platform/touch_pointer.h"

#include <cstdlib>

#include "core/game.h"

namespace platform {

void TouchPointer::PointAt(gfx::Point at) {
  pointer_ = at;
  ticks_when_pointed_ = game_.TicksShown();
  game_.MouseMove(at.x, at.y);
}

// Before any finger, the pads press in the middle of the window, which is on the picture.
gfx::Point TouchPointer::Pointer() const {
  if (pointer_) return *pointer_;
  const core::WindowSize window = host_.ClientSize();
  return {window.width / 2, window.height / 2};
}

bool TouchPointer::TickSawPointer() const { return game_.TicksShown() != ticks_when_pointed_; }

void TouchPointer::PressWaitingNow() {
  const gfx::Point at = waiting_->at;
  waiting_.reset();
  game_.MouseDown(at.x, at.y, core::MouseButton::Left);
  game_.MouseUp(at.x, at.y, core::MouseButton::Left);
}

void TouchPointer::FingerDown(int id, gfx::Point at) {
  if (finger_) return;
  // A quick second tap comes after the first one's press, never before it.
  if (waiting_) PressWaitingNow();
  finger_ = Finger{id, at, at, false};
  PointAt(at);
}

void TouchPointer::FingerMove(int id, gfx::Point at) {
  if (!finger_ || finger_->id != id) return;
  const int dy = at.y - finger_->last.y;
  finger_->last = at;
  if (std::abs(at.x - finger_->down.x) > wander_ || std::abs(at.y - finger_->down.y) > wander_) finger_->wandered = true;
  PointAt(at);
  if (dy != 0) game_.Swipe(finger_->down.x, finger_->down.y, dy);
}

void TouchPointer::FingerUp(int id, std::uint64_t now_ms) {
  if (!finger_ || finger_->id != id) return;
  const Finger finger = *finger_;
  finger_.reset();
  if (finger.wandered) return;
  waiting_ = WaitingPress{finger.last, now_ms};
  AfterTimers(now_ms);
}

void TouchPointer::FingerCancel(int id) {
  if (finger_ && finger_->id == id) finger_.reset();
}

void TouchPointer::PadDown(core::MouseButton button) {
  const gfx::Point at = Pointer();
  game_.MouseDown(at.x, at.y, button);
}

void TouchPointer::PadUp(core::MouseButton button) {
  const gfx::Point at = Pointer();
  game_.MouseUp(at.x, at.y, button);
}

void TouchPointer::AfterTimers(std::uint64_t now_ms) {
  if (!waiting_) return;
  if (TickSawPointer() || now_ms >= waiting_->since_ms + kLongestWaitMs) PressWaitingNow();
}

}  // namespace platform
