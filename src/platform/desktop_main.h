#pragma once
#include "core/game.h"

namespace platform {

// Reads the command line, opens the window and plays the game that `make_game` builds in it
// until the player closes it. Returns the process's exit status.
int PlayOnDesktop(int argc, char** argv, const core::GameMaker& make_game);

}  // namespace platform
