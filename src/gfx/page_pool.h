#pragma once
#include "gfx/picture.h"

namespace gfx {

// Whole-screen pictures let go of by screens and text boxes that are gone, for the ones made
// after them: a page of a megabyte or two is not worth asking fresh memory for ten times a
// second, nor each time a program is made anew.

// A page of the size asked for, its pixels as its last user left them.
Picture UsedOrNewPage(int width, int height);

// Keeps a page for later, up to a bound; an empty page is dropped.
void GiveBackPage(Picture page);

}  // namespace gfx
