#include "platform/desktop_qt.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/path_qt.h"

namespace bw {

void QtDesktop::openDocument(const Path& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(pathToQt(path)));
}

} // namespace bw
