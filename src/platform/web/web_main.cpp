#include <unistd.h>

#include "platform/web/web_host.h"
#include "platform/web/web_page.h"
#include "shell/program.h"

// The page has put the game's files in /game before this runs. The game lives on after main
// returns, driven by the browser's frames and events.
int main() {
  constexpr const char* kGameFolder = "/game";
  if (chdir(kGameFolder) != 0) {
    web_show_startup_error("Splatvane cannot start: the game's files did not load.");
    return 1;
  }
  static platform::WebHost host(kGameFolder);
  static shell::Program program(host);
  const std::string failed = program.Start();
  if (!failed.empty()) {
    web_show_startup_error((std::string(shell::kProgramTitle) + ": " + failed).c_str());
    return 1;
  }
  host.Run(program);
  return 0;
}
