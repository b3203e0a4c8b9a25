#include "pictures/attach.h"

#include "pictures/pictureref.h"
#include "pictures/showpicture.h"

namespace bw {

namespace {
// The same for all three places a double-click lands on. Only the window
// changes; the path reaches the record when it is next stored.
void attachPicture(MainState& st)
{
    const std::optional<Path> path = st.sys.openpic->execute();
    if (!path)
        return;
    loadPictureIntoBox(st, *path);
    st.picturePath = *path;
    st.pictureField = pictureFieldFromPath(*path).value_or(std::string());
}
} // namespace

void scroll1DblClick(MainState& st)
{
    attachPicture(st);
}
void Label19DblClick(MainState& st)
{
    attachPicture(st);
}
void beanimgDblClick(MainState& st)
{
    attachPicture(st);
}

void beanimgMouseDown(MainState& st, MouseButton button)
{
    // The left button's double-click is the attach action; only the right
    // button opens the close-up.
    if (button != MouseButton::Right)
        return;
    st.sys.windows->showCloseup(st.ui.beanimg->bitmap());
}

} // namespace bw
