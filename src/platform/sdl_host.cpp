#include "platform/sdl_host.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/game.h"

namespace platform {

std::string RunningProgramFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return ".";
  std::string folder(base);
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

SDL_Rect DisplayOf(SDL_Window* window, bool usable) {
  const int index = window ? std::max(0, SDL_GetWindowDisplayIndex(window)) : 0;
  SDL_Rect display{0, 0, 800, 600};
  const int failed = usable ? SDL_GetDisplayUsableBounds(index, &display) : SDL_GetDisplayBounds(index, &display);
  if (failed != 0 || display.w < 1 || display.h < 1) display = {0, 0, 800, 600};
  return display;
}

std::optional<std::string> RefusedVideoDriver(const char* driver, bool chosen_by_player, const char* display,
                                              const char* wayland_display) {
  if (chosen_by_player || !driver) return std::nullopt;
  const std::string_view name(driver);
  if (name != "offscreen" && name != "dummy") return std::nullopt;
  const auto set = [](const char* value) { return value && *value; };
  std::string why;
  if (set(display)) {
    why = "cannot open the display DISPLAY=" + std::string(display);
  } else if (set(wayland_display)) {
    why = "cannot open the display WAYLAND_DISPLAY=" + std::string(wayland_display);
  } else {
    why = "there is no display to show the game on: neither DISPLAY nor WAYLAND_DISPLAY is set";
  }
  return "splatvane: " + why + ".\nStart it on a desktop, or choose a video driver with SDL_VIDEODRIVER.";
}

namespace {

// A window of about three quarters of the display's usable part, in its middle.
SDL_Rect WindowedPlace(SDL_Window* window) {
  const SDL_Rect usable = DisplayOf(window, true);
  const int width = usable.w * 3 / 4, height = usable.h * 3 / 4;
  return {usable.x + (usable.w - width) / 2, usable.y + (usable.h - height) / 2, width, height};
}

// Where the video driver can take the window's pixels itself (X11 through shared memory),
// SDL would still put them on a texture of its renderer and present the whole window at
// every change, on a software renderer at a cost of several percent of a core; the game
// sends only the parts that changed, so it asks for the driver's own. Where there is none
// (Wayland), SDL's texture is the only way.
void UseDisplaysOwnPixels() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return;
  const std::string_view name(driver);
  if (name == "x11" || name == "offscreen") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

// The smallest window the player can make: the picture is still large enough to read.
constexpr int kLeastWindowWidth = 400;
constexpr int kLeastWindowHeight = 300;

}  // namespace

SdlHost::SdlHost(std::string program_folder, ScaleChoice scale, bool windowed)
    : program_folder_(std::move(program_folder)), scale_choice_(scale), windowed_(windowed) {
  const SDL_Rect display = DisplayOf(nullptr, false);
  const int largest = LargestScaleFitting(display.w, display.h);
  if (scale.kind == ScaleChoice::Kind::Whole && scale.factor > largest) {
    std::fprintf(stderr, "splatvane: --scale %d does not fit the %d x %d display; showing the game at scale %d\n",
                 scale.factor, display.w, display.h, largest);
  }
  UseDisplaysOwnPixels();
  const SDL_Rect place = windowed ? WindowedPlace(nullptr) : display;
  window_ = SDL_CreateWindow(core::kProgramTitle, place.x, place.y, place.w, place.h,
                             SDL_WINDOW_SHOWN | (windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_BORDERLESS));
  if (!window_) {
    std::fprintf(stderr, "Splatvane: cannot open the window (%s)\n", SDL_GetError());
    return;
  }
  SDL_SetWindowMinimumSize(window_, kLeastWindowWidth, kLeastWindowHeight);
  error_fonts_.LoadFrom(program_folder_ + "/fonts");
  int width = 0, height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  FitToWindow(width, height);
  SDL_StartTextInput();
  Redraw();
}

SdlHost::~SdlHost() {
  if (window_) SDL_DestroyWindow(window_);
}

core::WindowSize SdlHost::ClientSize() const { return Scale().GameArea(); }

void SdlHost::Present(const gfx::Picture& frame, int left, int top) {
  picture_.ShowFrame(frame, {left, top});
  Redraw();
}

void SdlHost::FitToWindow(int width, int height) {
  picture_.Fit(Scaling::For(scale_choice_, width, height));
  ShowErrorBox();
}

void SdlHost::Redraw() {
  if (!window_) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) return;
  if (surface->w != Scale().WindowWidth() || surface->h != Scale().WindowHeight()) FitToWindow(surface->w, surface->h);
  // The game's pixels are 0x00RRGGBB, which most displays take as they are.
  const Uint32 format = surface->format->format;
  const bool direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  std::uint32_t* pixels = static_cast<std::uint32_t*>(surface->pixels);
  int pitch = surface->pitch / 4;
  if (!direct) {
    staging_.resize(static_cast<std::size_t>(surface->w) * static_cast<std::size_t>(surface->h));
    pixels = staging_.data();
    pitch = surface->w;
  }
  const std::vector<WindowRect> drawn = picture_.Paint(pixels, pitch);
  std::vector<SDL_Rect> rects;
  rects.reserve(drawn.size());
  for (const WindowRect& part : drawn) {
    rects.push_back({part.x, part.y, part.width, part.height});
    if (direct) continue;
    const std::size_t from = static_cast<std::size_t>(part.y) * static_cast<std::size_t>(pitch) + static_cast<std::size_t>(part.x);
    SDL_ConvertPixels(part.width, part.height, SDL_PIXELFORMAT_RGB888, staging_.data() + from, pitch * 4, format,
                      static_cast<Uint8*>(surface->pixels) + part.y * surface->pitch + part.x * surface->format->BytesPerPixel,
                      surface->pitch);
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

void SdlHost::SetCaption(const std::string& caption) {
  if (window_) SDL_SetWindowTitle(window_, caption.c_str());
}

// SDL cannot ask the desktop for its button-highlight colour; white, which most desktops give
// and the window always shows, stands for it.
void SdlHost::SetBackground(core::WindowBackground) {}

void SdlHost::SetBordered(bool bordered) {
  game_bordered_ = bordered;
  ApplyBorder();
}

void SdlHost::ApplyBorder() {
  if (!window_) return;
  const SDL_bool bordered = windowed_ || game_bordered_ ? SDL_TRUE : SDL_FALSE;
  SDL_SetWindowBordered(window_, bordered);
  SDL_SetWindowResizable(window_, bordered);
}

void SdlHost::ToggleWindowed() {
  if (!window_) return;
  if (windowed_) {
    SDL_Rect place{};
    SDL_GetWindowPosition(window_, &place.x, &place.y);
    SDL_GetWindowSize(window_, &place.w, &place.h);
    window_place_ = place;
  }
  windowed_ = !windowed_;
  ApplyBorder();
  PlaceWindow();
  Redraw();
}

void SdlHost::PlaceWindow() {
  const SDL_Rect place = windowed_ ? window_place_.value_or(WindowedPlace(window_)) : DisplayOf(window_, false);
  SDL_SetWindowSize(window_, place.w, place.h);
  SDL_SetWindowPosition(window_, place.x, place.y);
}

void SdlHost::ShowError(const std::string& title, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  error_box_.Open(title, text);
  ShowErrorBox();
  Redraw();
}

void SdlHost::ShowErrorBox() {
  if (!error_box_.IsOpen()) {
    picture_.ShowBox(nullptr, {});
    return;
  }
  const core::WindowSize area = ClientSize();
  picture_.ShowBox(&error_box_.Image(), error_box_.PlaceIn(area.width, area.height));
}

bool SdlHost::ErrorBoxTakes(const SDL_Event& event) {
  if (!error_box_.IsOpen()) return false;
  const core::WindowSize window = ClientSize();
  const gfx::Point box = error_box_.PlaceIn(window.width, window.height);
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) error_box_.MouseDown(InGame(event.button.x, event.button.y), box);
      return true;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT) error_box_.MouseUp(InGame(event.button.x, event.button.y), box);
      break;
    case SDL_KEYDOWN:
      // Keys that type no text, so none reaches the game once the box has gone.
      if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER ||
          event.key.keysym.sym == SDLK_ESCAPE) {
        error_box_.Dismiss();
      }
      break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEWHEEL:
    case SDL_TEXTINPUT: return true;
    default: return false;
  }
  ShowErrorBox();
  Redraw();
  return true;
}

std::uint64_t SdlHost::NowMs() const { return SDL_GetTicks64(); }

namespace {

std::optional<core::MouseButton> ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return core::MouseButton::Left;
    case SDL_BUTTON_RIGHT: return core::MouseButton::Right;
    case SDL_BUTTON_MIDDLE:
    case SDL_BUTTON_X1:
    case SDL_BUTTON_X2: return core::MouseButton::Middle;
    default: return std::nullopt;
  }
}

std::optional<core::EditKey> EditKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_LEFT: return core::EditKey::Left;
    case SDLK_RIGHT: return core::EditKey::Right;
    case SDLK_UP: return core::EditKey::Up;
    case SDLK_DOWN: return core::EditKey::Down;
    case SDLK_HOME: return core::EditKey::Home;
    case SDLK_END: return core::EditKey::End;
    case SDLK_PAGEUP: return core::EditKey::PageUp;
    case SDLK_PAGEDOWN: return core::EditKey::PageDown;
    case SDLK_BACKSPACE: return core::EditKey::Backspace;
    case SDLK_DELETE: return core::EditKey::Delete;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return core::EditKey::Enter;
    default: return std::nullopt;
  }
}

// The control characters a key press also types.
std::optional<char> TypedControlOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_BACKSPACE: return '\b';
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return '\r';
    case SDLK_ESCAPE: return '\x1b';
    case SDLK_TAB: return '\t';
    default: return std::nullopt;
  }
}

// F11, or Alt with Enter, as most desktop programs take them.
bool SwitchesWindow(const SDL_Event& event) {
  if (event.type != SDL_KEYDOWN || event.key.repeat) return false;
  const SDL_Keycode key = event.key.keysym.sym;
  return key == SDLK_F11 || ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && (event.key.keysym.mod & KMOD_ALT));
}

// Typed text arrives as UTF-8; the game's texts are Latin-1.
void TypeText(const char* utf8, core::Game& game) {
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
    unsigned code = *p++;
    if (code >= 0xC0 && code < 0xE0 && (*p & 0xC0) == 0x80) code = ((code & 0x1F) << 6) | (*p++ & 0x3F);
    else if (code >= 0x80) {
      while ((*p & 0xC0) == 0x80) ++p;
      continue;
    }
    if (code < 256) game.KeyPress(static_cast<char>(code));
  }
}

}  // namespace

void SdlHost::Handle(const SDL_Event& event, core::Game& game) {
  // The switch between the window and the whole display comes first: it keeps the error box.
  if (SwitchesWindow(event)) {
    ToggleWindowed();
    return;
  }
  if (ErrorBoxTakes(event)) return;
  switch (event.type) {
    case SDL_QUIT: Quit(); break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        // A window the player asked for closes as the title's normal window does: the game ends.
        if (windowed_) {
          Quit();
        } else {
          game.CloseWindow();
        }
      } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Redraw();
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        Redraw();
        SDL_UpdateWindowSurface(window_);
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (const auto button = ButtonOf(event.button.button)) {
        const gfx::Point at = InGame(event.button.x, event.button.y);
        game.MouseDown(at.x, at.y, *button);
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (const auto button = ButtonOf(event.button.button)) {
        const gfx::Point at = InGame(event.button.x, event.button.y);
        game.MouseUp(at.x, at.y, *button);
      }
      break;
    case SDL_MOUSEMOTION: {
      const gfx::Point at = InGame(event.motion.x, event.motion.y);
      game.MouseMove(at.x, at.y);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int x = 0, y = 0;
      SDL_GetMouseState(&x, &y);
      const gfx::Point at = InGame(x, y);
      game.Wheel(at.x, at.y, event.wheel.y);
      break;
    }
    case SDL_TEXTINPUT: TypeText(event.text.text, game); break;
    case SDL_KEYDOWN:
      if (const auto key = EditKeyOf(event.key.keysym.sym)) game.EditKeyPress(*key);
      if (const auto typed = TypedControlOf(event.key.keysym.sym)) game.KeyPress(*typed);
      break;
    default: break;
  }
}

bool SdlHost::RunOnce(core::Game& game) {
  SDL_Event event;
  while (!quitting_ && SDL_PollEvent(&event)) Handle(event, game);
  if (quitting_) return false;
  const std::uint64_t now = NowMs();
  audio_.AdvanceSilently(now);
  game.Advance(now);
  return !quitting_;
}

void SdlHost::SleepUntil(std::optional<std::uint64_t> due) const {
  // The watchdog always runs, so there is always a time; the cap only guards against none.
  constexpr std::uint64_t kLongestSleep = 100;
  const std::uint64_t now = NowMs();
  if (due && *due <= now) return;
  const std::uint64_t sleep = due ? std::min(*due - now, kLongestSleep) : kLongestSleep;
  // Leaves the event that woke it waiting for the next round.
  SDL_WaitEventTimeout(nullptr, static_cast<int>(sleep));
}

void SdlHost::Run(core::Game& game) {
  // A screen's tick, started at a click, falls out of step with the watchdog's; a timer that
  // waits up to this long for the next one puts them back in step, one wake-up for both.
  constexpr std::uint64_t kGatherTimersMs = 25;
  while (RunOnce(game)) SleepUntil(game.NextDue(kGatherTimersMs));
}

}  // namespace platform
