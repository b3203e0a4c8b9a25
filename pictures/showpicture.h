#pragma once
// Loading a picture file into the main window's picture box.
#include <string>

#include "app/mainstate.h"

namespace bw {

// Loads the file through the image loader and shows it in beanimg at its own
// size at the top left, with scroll1 scrolled back to the start (vertically
// first). A file the loader cannot read leaves an empty 0 by 0 picture.
void loadPictureIntoBox(MainState& st, const Path& path);

// beanimg back to 10 by 10 at the top left with no picture.
void clearPictureBox(MainState& st);

} // namespace bw
