#include "pictures/closeup.h"

namespace bw {

CloseupLayout closeupLayout(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight)
{
    CloseupLayout l;
    l.image = {0, 2, 99, 95};
    if (pictureWidth > 0 && pictureHeight > 0) {
        l.image.width = pictureWidth;
        l.image.height = pictureHeight;
    }
    l.window.width = l.image.width < 640 ? l.image.width + 10 : 620;
    l.window.height = l.image.height < 480 ? l.image.height + 30 : 460;
    l.window.left = screenWidth / 2 - l.window.width / 2;
    l.window.top = screenHeight / 2 - l.window.height / 2;
    return l;
}

} // namespace bw
