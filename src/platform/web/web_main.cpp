#include "platform/web/web_main.h"

#include <unistd.h>

#include <memory>
#include <string>

#include "platform/web/web_host.h"
#include "platform/web/web_page.h"

namespace platform {

// The page has put the game's files in /game before this runs. The game lives on after main
// returns, driven by the browser's frames and events.
int PlayInPage(const core::GameMaker& make_game) {
  constexpr const char* kGameFolder = "/game";
  if (chdir(kGameFolder) != 0) {
    web_show_startup_error("Splatvane cannot start: the game's files did not load.");
    return 1;
  }
  static WebHost host(kGameFolder);
  static const std::unique_ptr<core::Game> game = make_game(host);
  const std::string failed = game->Start();
  if (!failed.empty()) {
    web_show_startup_error((std::string(core::kProgramTitle) + ": " + failed).c_str());
    return 1;
  }
  host.Run(*game);
  return 0;
}

}  // namespace platform
