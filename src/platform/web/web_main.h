#pragma once
#include "core/game.h"

namespace platform {

// Opens the game's files that the page put in place and plays the game that `make_game`
// builds in the page, driven by the browser's frames and events after this returns. Returns
// the exit status of a game that could not start, or 0.
int PlayInPage(const core::GameMaker& make_game);

}  // namespace platform
