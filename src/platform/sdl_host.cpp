#include "platform/sdl_host.h"

#include <algorithm>
#include <cstdio>

#include "shell/program.h"

namespace platform {

std::string RunningProgramFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return ".";
  std::string folder(base);
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

SdlHost::SdlHost(std::string program_folder, std::optional<int> scale) : program_folder_(std::move(program_folder)) {
  SDL_Rect display{0, 0, 800, 600};
  if (SDL_GetDisplayBounds(0, &display) != 0 || display.w < 1 || display.h < 1) display = {0, 0, 800, 600};
  scaling_.Factor = std::max(1, scale.value_or(LargestScaleFitting(display.w, display.h)));
  window_ = SDL_CreateWindow(shell::kProgramTitle, display.x, display.y, display.w, display.h,
                             SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
  if (!window_) {
    std::fprintf(stderr, "Splatvane: cannot open the window (%s)\n", SDL_GetError());
    return;
  }
  error_fonts_.LoadFrom(program_folder_ + "/fonts");
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  SDL_StartTextInput();
  Redraw();
}

SdlHost::~SdlHost() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (error_texture_) SDL_DestroyTexture(error_texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

shell::WindowSize SdlHost::ClientSize() const {
  int width = 800, height = 600;
  if (window_) SDL_GetWindowSize(window_, &width, &height);
  return scaling_.GameArea(width, height);
}

SDL_Rect SdlHost::OnWindow(gfx::Point at, int width, int height) const {
  return {scaling_.ToWindow(at.x), scaling_.ToWindow(at.y), scaling_.ToWindow(width), scaling_.ToWindow(height)};
}

void SdlHost::Present(const gfx::Picture& frame, int left, int top) {
  if (!renderer_) return;
  // A still screen draws the same picture every tick: showing it again would only cost the
  // copy of the whole window, ten times a second.
  if (have_frame_ && left == frame_left_ && top == frame_top_ && frame.Width() == texture_width_ &&
      frame.Height() == texture_height_ && frame.Pixels() == shown_pixels_) {
    return;
  }
  if (!texture_ || texture_width_ != frame.Width() || texture_height_ != frame.Height()) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, frame.Width(),
                                 frame.Height());
    texture_width_ = frame.Width();
    texture_height_ = frame.Height();
    // Each game pixel stays one sharp square however large it is shown.
    if (texture_) SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  }
  if (!texture_) return;
  SDL_UpdateTexture(texture_, nullptr, frame.Pixels().data(), frame.Width() * 4);
  shown_pixels_ = frame.Pixels();
  frame_left_ = left;
  frame_top_ = top;
  have_frame_ = true;
  Redraw();
}

void SdlHost::Redraw() {
  if (!renderer_) return;
  SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
  SDL_RenderClear(renderer_);
  if (have_frame_ && texture_) {
    const SDL_Rect place = OnWindow({frame_left_, frame_top_}, texture_width_, texture_height_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &place);
  }
  if (error_box_.IsOpen() && error_texture_) {
    const shell::WindowSize window = ClientSize();
    const gfx::Point at = error_box_.PlaceIn(window.width, window.height);
    const SDL_Rect place = OnWindow(at, error_box_.Image().Width(), error_box_.Image().Height());
    SDL_RenderCopy(renderer_, error_texture_, nullptr, &place);
  }
  SDL_RenderPresent(renderer_);
}

void SdlHost::SetCaption(const std::string& caption) {
  if (window_) SDL_SetWindowTitle(window_, caption.c_str());
}

// SDL cannot ask the desktop for its button-highlight colour; white, which most desktops give
// and the window always shows, stands for it.
void SdlHost::SetBackground(shell::WindowBackground) {}

void SdlHost::SetBordered(bool bordered) {
  if (!window_) return;
  SDL_SetWindowBordered(window_, bordered ? SDL_TRUE : SDL_FALSE);
  SDL_SetWindowResizable(window_, bordered ? SDL_TRUE : SDL_FALSE);
}

void SdlHost::ShowError(const std::string& title, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  const bool was_open = error_box_.IsOpen();
  error_box_.Open(title, text);
  if (was_open) return;
  UploadErrorBox();
  Redraw();
}

void SdlHost::UploadErrorBox() {
  if (error_texture_) SDL_DestroyTexture(error_texture_);
  error_texture_ = nullptr;
  if (!renderer_ || !error_box_.IsOpen()) return;
  const gfx::Picture& box = error_box_.Image();
  error_texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STATIC, box.Width(), box.Height());
  if (!error_texture_) return;
  SDL_SetTextureScaleMode(error_texture_, SDL_ScaleModeNearest);
  SDL_UpdateTexture(error_texture_, nullptr, box.Pixels().data(), box.Width() * 4);
}

bool SdlHost::ErrorBoxTakes(const SDL_Event& event) {
  if (!error_box_.IsOpen()) return false;
  const shell::WindowSize window = ClientSize();
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
  UploadErrorBox();
  Redraw();
  return true;
}

std::uint64_t SdlHost::NowMs() const { return SDL_GetTicks64(); }

namespace {

std::optional<shell::MouseButton> ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return shell::MouseButton::Left;
    case SDL_BUTTON_RIGHT: return shell::MouseButton::Right;
    case SDL_BUTTON_MIDDLE:
    case SDL_BUTTON_X1:
    case SDL_BUTTON_X2: return shell::MouseButton::Middle;
    default: return std::nullopt;
  }
}

std::optional<shell::EditKey> EditKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_LEFT: return shell::EditKey::Left;
    case SDLK_RIGHT: return shell::EditKey::Right;
    case SDLK_UP: return shell::EditKey::Up;
    case SDLK_DOWN: return shell::EditKey::Down;
    case SDLK_HOME: return shell::EditKey::Home;
    case SDLK_END: return shell::EditKey::End;
    case SDLK_PAGEUP: return shell::EditKey::PageUp;
    case SDLK_PAGEDOWN: return shell::EditKey::PageDown;
    case SDLK_BACKSPACE: return shell::EditKey::Backspace;
    case SDLK_DELETE: return shell::EditKey::Delete;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return shell::EditKey::Enter;
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

// Typed text arrives as UTF-8; the game's texts are Latin-1.
void TypeText(const char* utf8, shell::Program& program) {
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
    unsigned code = *p++;
    if (code >= 0xC0 && code < 0xE0 && (*p & 0xC0) == 0x80) code = ((code & 0x1F) << 6) | (*p++ & 0x3F);
    else if (code >= 0x80) {
      while ((*p & 0xC0) == 0x80) ++p;
      continue;
    }
    if (code < 256) program.KeyPress(static_cast<char>(code));
  }
}

}  // namespace

void SdlHost::Handle(const SDL_Event& event, shell::Program& program) {
  if (ErrorBoxTakes(event)) return;
  switch (event.type) {
    case SDL_QUIT: Quit(); break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        program.CloseWindow();
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Redraw();
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (const auto button = ButtonOf(event.button.button)) {
        const gfx::Point at = InGame(event.button.x, event.button.y);
        program.MouseDown(at.x, at.y, *button);
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (const auto button = ButtonOf(event.button.button)) {
        const gfx::Point at = InGame(event.button.x, event.button.y);
        program.MouseUp(at.x, at.y, *button);
      }
      break;
    case SDL_MOUSEMOTION: {
      const gfx::Point at = InGame(event.motion.x, event.motion.y);
      program.MouseMove(at.x, at.y);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int x = 0, y = 0;
      SDL_GetMouseState(&x, &y);
      const gfx::Point at = InGame(x, y);
      program.Wheel(at.x, at.y, event.wheel.y);
      break;
    }
    case SDL_TEXTINPUT: TypeText(event.text.text, program); break;
    case SDL_KEYDOWN:
      if (const auto key = EditKeyOf(event.key.keysym.sym)) program.EditKeyPress(*key);
      if (const auto typed = TypedControlOf(event.key.keysym.sym)) program.KeyPress(*typed);
      break;
    default: break;
  }
}

bool SdlHost::RunOnce(shell::Program& program) {
  SDL_Event event;
  while (!quitting_ && SDL_PollEvent(&event)) Handle(event, program);
  if (quitting_) return false;
  const std::uint64_t now = NowMs();
  audio_.AdvanceSilently(now);
  program.Advance(now);
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

void SdlHost::Run(shell::Program& program) {
  // A screen's tick, started at a click, falls out of step with the watchdog's; a timer that
  // waits up to this long for the next one puts them back in step, one wake-up for both.
  constexpr std::uint64_t kGatherTimersMs = 25;
  while (RunOnce(program)) SleepUntil(program.NextDue(kGatherTimersMs));
}

}  // namespace platform
