#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "career/career_record.h"
#include "career/save_file.h"
#include "gfx/fonts.h"
#include "match/match_state.h"
#include "shell/host.h"
#include "shell/input_router.h"
#include "shell/picture_store.h"
#include "shell/random.h"
#include "shell/screen.h"
#include "shell/shared_state.h"
#include "shell/sound_bank.h"
#include "training/training_state.h"

namespace shell { class TForm1; class TForm3; }
namespace team { class TForm2; class TForm4; class TForm6; class TForm12; }
namespace tour { class TForm5; class TForm7; class TForm9; class TForm10; class TForm11; }
namespace match { class TForm8; }
namespace help { class TForm13; }
namespace training { class TForm16; class TForm17; class TForm18; class TForm19; }

namespace shell {

inline constexpr const char* kProgramTitle = "Splatvane";

// The whole game: every screen, created once in the order of the screen list, and all the
// state they share. The screens read and write that state directly.
class Program {
 public:
  explicit Program(Host& host);
  // With fonts loaded once elsewhere, which Start then leaves as they are (tests share them
  // between their many programs).
  Program(Host& host, std::shared_ptr<gfx::FontLibrary> fonts);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Opens the sounds, the fonts and the pictures, then shows the title screen with its tick
  // and its watchdog running. Returns the reason the game cannot start, or an empty string.
  std::string Start();
  // The same with pictures loaded once elsewhere (tests share one store).
  std::string Start(std::shared_ptr<const PictureStore> pictures);

  // Fires every timer that is due: the watchdog every 50 ms, each enabled tick every 100 ms,
  // each at most once per call however long the wait was.
  void Advance(std::uint64_t now_ms);
  // When the earliest running timer falls due, so that the machine may sleep until then; or,
  // gathering the timers due within `gather_ms` after it, when the last of those falls due,
  // so that they fire in one wake-up and stay in step from then on.
  std::optional<std::uint64_t> NextDue(std::uint64_t gather_ms = 0) const;

  // Window events, in window coordinates.
  void MouseDown(int x, int y, MouseButton button);
  void MouseUp(int x, int y, MouseButton button);
  void MouseMove(int x, int y);
  void KeyPress(char key);
  void EditKeyPress(EditKey key);
  void Wheel(int x, int y, int steps);
  // A finger moved over the window without pressing: `dy` pixels since its last move, from
  // where it went down.
  void Swipe(int from_x, int from_y, int dy);
  // How many ticks the screen on show has run: a pointer moved before the count changed has
  // been seen by a tick.
  std::uint64_t TicksShown() const { return ticks_shown_; }
  // The window's close button; true when the program should end.
  bool CloseWindow();

  // Hands over from one screen to the next: its tick off, the next one's on, shown, hidden.
  void SwitchScreen(Screen& from, Screen& to);
  void EnableTick(Screen& screen);
  void DisableTick(Screen& screen);

  // The default error handler: runs an action and reports any error escaping it in a box.
  void Guarded(const std::function<void()>& action);
  void ReportError(const std::string& text);

  // The screen the player sees: the visible one shown last.
  Screen* VisibleScreen() const;
  const std::vector<Screen*>& Screens() const { return screens_; }

  // The career file: one that could not be read is kept aside before the next save.
  void SaveCareer();
  void LoadCareer();
  const career::CareerFile& CareerFileState() const { return career_file_; }

  Host& GetHost() { return host_; }
  gfx::FontLibrary& Fonts() { return *fonts_; }
  const gfx::Picture* Picture(int form, int image) const { return pictures_ ? pictures_->Get(form, image) : nullptr; }
  career::Files& WorkingFolder() { return host_.WorkingFolder(); }
  std::uint64_t Now() const { return now_; }

  // The game's state, program-wide.
  career::CareerRecord Career;
  match::MatchState Match;
  SharedState Shared;
  Random Rng;
  SoundBank Sounds;
  training::TrainingState Training;

  TForm1& Form1() { return *form1_; }
  team::TForm2& Form2() { return *form2_; }
  TForm3& Form3() { return *form3_; }
  team::TForm4& Form4() { return *form4_; }
  tour::TForm5& Form5() { return *form5_; }
  team::TForm6& Form6() { return *form6_; }
  tour::TForm7& Form7() { return *form7_; }
  match::TForm8& Form8() { return *form8_; }
  tour::TForm9& Form9() { return *form9_; }
  tour::TForm10& Form10() { return *form10_; }
  tour::TForm11& Form11() { return *form11_; }
  team::TForm12& Form12() { return *form12_; }
  help::TForm13& Form13() { return *form13_; }
  training::TForm16& Form16() { return *form16_; }
  training::TForm17& Form17() { return *form17_; }
  training::TForm18& Form18() { return *form18_; }
  training::TForm19& Form19() { return *form19_; }

  // Screens' bookkeeping.
  std::uint64_t NextShownSerial() { return ++shown_serial_; }
  void FrameChanged(Screen& screen);

 private:
  void CreateScreens();
  template <typename T>
  std::unique_ptr<T> Create();
  void FireWhenDue(Timer& timer, const std::function<void()>& tick);
  // Where the visible screen's picture and input picture sit in the window.
  InputRouter::Origin PictureOrigin() const;
  void UpdateWindow();
  void ReportDamagedPictures();

  Host& host_;
  std::shared_ptr<gfx::FontLibrary> fonts_;
  std::shared_ptr<const PictureStore> pictures_;
  career::CareerFile career_file_;
  std::uint64_t now_ = 0;
  std::uint64_t shown_serial_ = 0;
  std::uint64_t ticks_shown_ = 0;

  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<team::TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<team::TForm4> form4_;
  std::unique_ptr<tour::TForm5> form5_;
  std::unique_ptr<team::TForm6> form6_;
  std::unique_ptr<tour::TForm7> form7_;
  std::unique_ptr<match::TForm8> form8_;
  std::unique_ptr<tour::TForm9> form9_;
  std::unique_ptr<tour::TForm10> form10_;
  std::unique_ptr<tour::TForm11> form11_;
  std::unique_ptr<team::TForm12> form12_;
  std::unique_ptr<help::TForm13> form13_;
  std::unique_ptr<training::TForm16> form16_;
  std::unique_ptr<training::TForm17> form17_;
  std::unique_ptr<training::TForm18> form18_;
  std::unique_ptr<training::TForm19> form19_;
  std::vector<Screen*> screens_;

  InputRouter input_;

  // What the window shows now.
  const Screen* presented_screen_ = nullptr;
  bool frame_dirty_ = true;
  std::string caption_shown_;
  bool bordered_shown_ = false;
  WindowBackground background_shown_ = WindowBackground::White;
  bool window_known_ = false;
};

}  // namespace shell
