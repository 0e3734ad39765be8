#pragma once
// The headless platform and a started game on it, with the game folder of this build.
#include <memory>

#include "app/headless_game.h"
#include "platform/headless/headless_host.h"

namespace testing_support {

using FakeAudio = platform::HeadlessAudio;
using platform::MakeWave;
using platform::MemoryFiles;

class FakeHost : public platform::HeadlessHost {
 public:
  FakeHost() : HeadlessHost(SPLATVANE_GAME_DIR) {}
};

inline std::shared_ptr<const core::PictureStore> GamePictures() { return app::GamePictures(SPLATVANE_GAME_DIR); }
inline std::shared_ptr<gfx::FontLibrary> GameFonts() { return app::GameFonts(SPLATVANE_GAME_DIR); }

class Game : public app::HeadlessGame {
 public:
  explicit Game(bool with_pictures = false) : HeadlessGame(SPLATVANE_GAME_DIR, with_pictures) {}
};

}  // namespace testing_support
