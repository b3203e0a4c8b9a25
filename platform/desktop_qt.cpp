#include "platform/desktop_qt.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/text_qt.h"

namespace bw {

void QtDesktop::openDocument(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(fromAnsi(path)));
}

} // namespace bw
