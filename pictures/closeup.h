#pragma once
// Where the close-up window goes and how big it is, worked out from the
// picture and the screen.
#include "platform/controls.h"

namespace bw {

struct CloseupLayout {
    Rect image;  // Image1, in the window's client area
    Rect window; // outer size, frame and caption included, and its place
};

// The image starts at 99 by 95 and takes the picture's size only when both
// sides are above 0. The window is the image plus 10 by 30, but never wider
// than 620 once the image reaches 640, nor taller than 460 once it reaches
// 480; it is centred on the screen by its outer size.
CloseupLayout closeupLayout(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);

} // namespace bw
