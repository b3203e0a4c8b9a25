#include "pictures/upclose_qt.h"

#include <QWidget>

namespace bw {

void showCloseupWindow(QWidget* owner, const Bitmap* picture)
{
}

} // namespace bw
