#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "gfx/controls.h"
#include "world/world.h"

namespace help {

inline constexpr int kTopicCount = 9;

struct Topic {
  std::string_view title;
  std::string_view file;
};

inline constexpr std::array<Topic, kTopicCount> kTopics{{
    {"All About Paintball", "aboutpaintball.txt"},
    {"Paintball Tournaments", "tournaments.txt"},
    {"All The Countries", "countries.txt"},
    {"Your Team Members", "yourplayers.txt"},
    {"Your Paintball Gear", "yourgear.txt"},
    {"Playing a Match", "playing.txt"},
    {"Saving and Loading", "saveload.txt"},
    {"Game Options", "options.txt"},
    {"About This Game", "about.txt"},
}};

inline constexpr std::string_view kFirstText = "Please Select a Title from the list on the left to load a help file.";

// The help screen: a list of titles and the text box that shows the chosen topic. It is
// laid out at fixed places in the window, not centred like the picture screens.
class TForm13 : public world::Screen {
 public:
  explicit TForm13(world::World& world);
  bool DrawsWholeWindow() const override { return true; }

  // The help screen's timer does nothing of its own; each tick only repaints the controls.
  void Timer1Timer() override;

  void WindowMouseDown(core::MouseButton button, int x, int y) override;
  void WindowMouseUp(core::MouseButton button, int x, int y) override;
  void WindowMouseMove(int x, int y) override;
  void WindowWheel(int x, int y, int steps) override;
  void WindowSwipe(int x, int y, int dy) override;
  void WindowEditKey(core::EditKey key) override;
  void FormKeyPress(char key) override;

  // Titles 1..6 load on the press, 7..9 on the completed click.
  void LabelMouseDown(int topic);
  void LabelClick(int topic);
  void Image2Click();

  // Read by tests and the snapshot tool; no other screen needs it.
  gfx::Memo Memo1;

 private:
  // A control of the screen: 1..9 the titles, kCancel the back button, kMemo the text box.
  static constexpr int kCancel = 10;
  static constexpr int kMemo = 11;

  std::optional<int> ControlAt(int x, int y);
  void LoadTopic(int topic);
  void Repaint();

  gfx::FontState font_;
  gfx::PictureControl image1_;
  gfx::PictureControl image2_;
  std::array<gfx::Label, kTopicCount> labels_;
  std::optional<int> pressed_;
};

}  // namespace help
