// The page's mouse, wheel, keys and fingers, passed to the game as the desktop's window passes
// them, in the game's pixels, and the browser's frames that drive its clock.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstring>
#include <optional>

#include "career/career_record.h"
#include "core/game.h"
#include "platform/web/web_host.h"
#include "platform/web/web_page.h"

namespace platform {

namespace {

WebHost* the_host = nullptr;

std::optional<core::MouseButton> ButtonOf(unsigned short button) {
  switch (button) {
    case 0: return core::MouseButton::Left;
    case 1: return core::MouseButton::Middle;
    case 2: return core::MouseButton::Right;
    default: return std::nullopt;
  }
}

// A press on the canvas, or a release anywhere on the page: a press keeps the mouse, as on the
// desktop.
EM_BOOL MouseButton(int type, const EmscriptenMouseEvent* event, void* data) {
  auto& host = *static_cast<WebHost*>(data);
  const bool down = type == EMSCRIPTEN_EVENT_MOUSEDOWN;
  const gfx::Point at = host.ToGame(event->clientX, event->clientY);
  if (host.ErrorBoxOpen()) {
    if (event->button == 0) host.ErrorBoxMouse(down, at.x, at.y);
  } else if (const auto button = ButtonOf(event->button)) {
    if (down) {
      host.RunningGame()->MouseDown(at.x, at.y, *button);
    } else {
      host.RunningGame()->MouseUp(at.x, at.y, *button);
    }
  }
  // A press is the game's alone: no text selection, no focus moving.
  return down ? EM_TRUE : EM_FALSE;
}

EM_BOOL MouseMove(int, const EmscriptenMouseEvent* event, void* data) {
  auto& host = *static_cast<WebHost*>(data);
  const gfx::Point at = host.ToGame(event->clientX, event->clientY);
  if (!host.ErrorBoxOpen()) host.RunningGame()->MouseMove(at.x, at.y);
  return EM_FALSE;
}

// One step of the wheel is a notch of a mouse: 100 pixels, 3 lines or a page of a trackpad's
// smaller moves, added up.
EM_BOOL Wheel(int, const EmscriptenWheelEvent* event, void* data) {
  auto& host = *static_cast<WebHost*>(data);
  static double gathered = 0;
  const double per_step = event->deltaMode == DOM_DELTA_PIXEL ? 100.0 : event->deltaMode == DOM_DELTA_LINE ? 3.0 : 1.0;
  gathered += event->deltaY / per_step;
  const int steps = static_cast<int>(gathered);
  if (steps == 0) return EM_TRUE;
  gathered -= steps;
  if (!host.ErrorBoxOpen()) {
    // Down the page is up the wheel: the game counts steps away from the player.
    const gfx::Point at = host.ToGame(event->mouse.clientX, event->mouse.clientY);
    host.RunningGame()->Wheel(at.x, at.y, -steps);
  }
  return EM_TRUE;
}

std::optional<core::EditKey> EditKeyOf(const char* key) {
  static const struct {
    const char* name;
    core::EditKey key;
  } kKeys[] = {{"ArrowLeft", core::EditKey::Left},   {"ArrowRight", core::EditKey::Right},
               {"ArrowUp", core::EditKey::Up},       {"ArrowDown", core::EditKey::Down},
               {"Home", core::EditKey::Home},        {"End", core::EditKey::End},
               {"PageUp", core::EditKey::PageUp},    {"PageDown", core::EditKey::PageDown},
               {"Backspace", core::EditKey::Backspace}, {"Delete", core::EditKey::Delete},
               {"Enter", core::EditKey::Enter}};
  for (const auto& entry : kKeys) {
    if (std::strcmp(key, entry.name) == 0) return entry.key;
  }
  return std::nullopt;
}

// The control characters a key press also types.
std::optional<char> TypedControlOf(const char* key) {
  if (std::strcmp(key, "Backspace") == 0) return '\b';
  if (std::strcmp(key, "Enter") == 0) return '\r';
  if (std::strcmp(key, "Escape") == 0) return '\x1b';
  if (std::strcmp(key, "Tab") == 0) return '\t';
  return std::nullopt;
}

// The character a key types, when it types one of Latin-1: the game's texts are Latin-1.
std::optional<char> TypedCharacterOf(const char* key) {
  const auto* p = reinterpret_cast<const unsigned char*>(key);
  if (p[0] >= 0x20 && p[0] < 0x80 && p[1] == 0) return static_cast<char>(p[0]);
  if (p[0] >= 0xC2 && p[0] < 0xC4 && (p[1] & 0xC0) == 0x80 && p[2] == 0) {
    return static_cast<char>(((p[0] & 0x1F) << 6) | (p[1] & 0x3F));
  }
  return std::nullopt;
}

EM_BOOL KeyDown(int, const EmscriptenKeyboardEvent* event, void* data) {
  auto& host = *static_cast<WebHost*>(data);
  // The browser's own shortcuts stay the browser's.
  if ((event->ctrlKey || event->metaKey) && !event->altKey) return EM_FALSE;
  const auto edit = EditKeyOf(event->key);
  const auto control = TypedControlOf(event->key);
  const auto typed = TypedCharacterOf(event->key);
  if (!edit && !control && !typed) return EM_FALSE;
  if (host.ErrorBoxOpen()) {
    host.ErrorBoxKey(std::strcmp(event->key, "Enter") == 0 || std::strcmp(event->key, "Escape") == 0);
    return EM_TRUE;
  }
  core::Game& game = *host.RunningGame();
  if (edit) game.EditKeyPress(*edit);
  if (control) game.KeyPress(*control);
  if (typed) game.KeyPress(*typed);
  return EM_TRUE;
}

EM_BOOL AnimationFrame(double, void* data) {
  static_cast<WebHost*>(data)->Frame();
  return EM_TRUE;
}

}  // namespace

void WebHost::Run(core::Game& game) {
  game_ = &game;
  touch_.emplace(game, *this);
  the_host = this;
  emscripten_set_mousedown_callback("#canvas", this, EM_TRUE, MouseButton);
  emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_TRUE, MouseButton);
  emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_TRUE, MouseMove);
  emscripten_set_wheel_callback("#canvas", this, EM_TRUE, Wheel);
  // Keys reach the game once the page's own controls have had theirs.
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, KeyDown);
  emscripten_request_animation_frame_loop(AnimationFrame, this);
}

}  // namespace platform

// Called by the page.
extern "C" {

EMSCRIPTEN_KEEPALIVE const float* splatvane_mix(int count) {
  static std::vector<float> silence;
  if (!platform::the_host) {
    silence.assign(static_cast<std::size_t>(count), 0.0f);
    return silence.data();
  }
  return platform::the_host->PageAudio().Mix(count);
}

// A finger on the canvas (CSS pixels of the page): 0 down, 1 moved, 2 lifted, 3 taken back by
// the browser. Over the error box a finger is its mouse.
EMSCRIPTEN_KEEPALIVE void splatvane_finger(int phase, int id, double page_x, double page_y) {
  platform::WebHost* host = platform::the_host;
  if (!host || !host->Touch()) return;
  const gfx::Point at = host->ToGame(page_x, page_y);
  platform::TouchPointer& touch = *host->Touch();
  if (host->ErrorBoxOpen()) {
    if (phase == 0 || phase == 2) host->ErrorBoxMouse(phase == 0, at.x, at.y);
    // A finger that was on the game when the box came up is done with.
    if (phase >= 2) touch.FingerCancel(id);
    return;
  }
  // A finger may wander a few CSS pixels, whatever the scale, and still be a tap.
  touch.SetWander(static_cast<int>(std::ceil(10.0 / web_window_scale())));
  switch (phase) {
    case 0: touch.FingerDown(id, at); break;
    case 1: touch.FingerMove(id, at); break;
    case 2: touch.FingerUp(id, host->NowMs()); break;
    default: touch.FingerCancel(id); break;
  }
}

// A pad held (down 1) or let go: 0 the left button, 2 the right.
EMSCRIPTEN_KEEPALIVE void splatvane_pad(int button, int down) {
  platform::WebHost* host = platform::the_host;
  if (!host || !host->Touch() || host->ErrorBoxOpen()) return;
  const core::MouseButton which = button == 2 ? core::MouseButton::Right : core::MouseButton::Left;
  if (down) {
    host->Touch()->PadDown(which);
  } else {
    host->Touch()->PadUp(which);
  }
}

EMSCRIPTEN_KEEPALIVE void splatvane_export_career() {
  if (platform::the_host) platform::the_host->ExportCareer();
}

EMSCRIPTEN_KEEPALIVE void splatvane_import_career(const std::uint8_t* bytes, int length) {
  if (platform::the_host) platform::the_host->ImportCareer(bytes, length);
}

// The page reads a chosen file only when it has this size.
EMSCRIPTEN_KEEPALIVE int splatvane_career_file_size() { return static_cast<int>(career::kCareerRecordSize); }

}
