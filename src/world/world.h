#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "career/career_record.h"
#include "career/save_file.h"
#include "core/host.h"
#include "core/picture_store.h"
#include "core/random.h"
#include "core/screen.h"
#include "core/sound_bank.h"
#include "gfx/fonts.h"
#include "match/match_state.h"
#include "training/training_state.h"
#include "world/shared_state.h"

namespace team { class TForm2; class TForm4; class TForm6; class TForm12; }
namespace tour { class TForm5; class TForm7; class TForm9; class TForm10; class TForm11; }
namespace match { class TForm8; }
namespace help { class TForm13; }
namespace training { class TForm16; class TForm17; class TForm18; class TForm19; }

namespace world {

// The game as every screen sees it: the program-wide state, which the screens read and write
// directly as the rules do; the hand-over between screens, the error box and the career file;
// and each screen by its name. The one World is the app's Program, which creates the screens
// and drives them.
class World : public core::Stage {
 public:
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  // Hands over from one screen to the next: its tick off, the next one's on, shown, hidden.
  void SwitchScreen(core::Screen& from, core::Screen& to);
  void EnableTick(core::Screen& screen);
  void DisableTick(core::Screen& screen);

  // The default error handler: runs an action and reports any error escaping it in a box.
  void Guarded(const std::function<void()>& action);
  virtual void ReportError(const std::string& text) = 0;

  // The screen the player sees: the visible one shown last.
  core::Screen* VisibleScreen() const;
  const std::vector<core::Screen*>& Screens() const { return screens_; }

  // The career file: one that could not be read is kept aside before the next save.
  void SaveCareer();
  void LoadCareer();
  const career::CareerFile& CareerFileState() const { return career_file_; }

  core::Host& GetHost() { return host_; }
  gfx::FontLibrary& Fonts() override { return *fonts_; }
  const gfx::Picture* Picture(int form, int image) const { return pictures_ ? pictures_->Get(form, image) : nullptr; }
  const core::PictureStore* Pictures() const { return pictures_.get(); }
  career::Files& WorkingFolder() { return host_.WorkingFolder(); }
  std::uint64_t Now() const { return now_; }

  // The game's state, program-wide.
  career::CareerRecord Career;
  match::MatchState Match;
  SharedState Shared;
  core::Random Rng;
  core::SoundBank Sounds;
  training::TrainingState Training;

  team::TForm2& Form2() { return *form2_; }
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

  std::uint64_t NextShownSerial() override { return ++shown_serial_; }

 protected:
  World(core::Host& host, std::shared_ptr<gfx::FontLibrary> fonts);
  ~World();

  core::Host& host_;
  std::shared_ptr<gfx::FontLibrary> fonts_;
  std::shared_ptr<const core::PictureStore> pictures_;
  career::CareerFile career_file_;
  std::uint64_t now_ = 0;
  std::uint64_t shown_serial_ = 0;
  // Every screen in the order of the screen list, and each by its name; the Program owns them.
  std::vector<core::Screen*> screens_;
  team::TForm2* form2_ = nullptr;
  team::TForm4* form4_ = nullptr;
  tour::TForm5* form5_ = nullptr;
  team::TForm6* form6_ = nullptr;
  tour::TForm7* form7_ = nullptr;
  match::TForm8* form8_ = nullptr;
  tour::TForm9* form9_ = nullptr;
  tour::TForm10* form10_ = nullptr;
  tour::TForm11* form11_ = nullptr;
  team::TForm12* form12_ = nullptr;
  help::TForm13* form13_ = nullptr;
  training::TForm16* form16_ = nullptr;
  training::TForm17* form17_ = nullptr;
  training::TForm18* form18_ = nullptr;
  training::TForm19* form19_ = nullptr;
};

// The base of every screen of the game: a screen that knows the world it plays in.
class Screen : public core::Screen {
 protected:
  Screen(World& world, int number, std::string caption, core::InputPicture input = {})
      : core::Screen(world, number, std::move(caption), input), world_(world) {}

  World& world_;
};

}  // namespace world
