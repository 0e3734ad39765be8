#pragma once
#include <string>

#include "gfx/picture.h"

// Writes a picture as an uncompressed PNG; false when the file cannot be written.
bool WritePng(const gfx::Picture& picture, const std::string& path);
