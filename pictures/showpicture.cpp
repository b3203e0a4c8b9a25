#include "pictures/showpicture.h"

namespace bw {

void loadPictureIntoBox(MainState& st, const Path& path)
{
    std::unique_ptr<Bitmap> bitmap = st.sys.loader->load(path);
    const int w = bitmap ? bitmap->width() : 0;
    const int h = bitmap ? bitmap->height() : 0;
    st.ui.beanimg->setBitmap(std::move(bitmap));
    st.ui.beanimg->setBounds({0, 0, w, h});
    st.ui.scroll1->setVertPosition(0);
    st.ui.scroll1->setHorzPosition(0);
}

void clearPictureBox(MainState& st)
{
    st.ui.beanimg->setBounds({0, 0, 10, 10});
    st.ui.beanimg->setBitmap(nullptr);
}

} // namespace bw
