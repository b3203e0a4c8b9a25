#include "platform/path_qt.h"

#include <QFile>

namespace bw {

Path pathFromQt(const QString& name)
{
    const QByteArray bytes = QFile::encodeName(name);
    return Path::fromNative(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString pathToQt(const Path& path)
{
    return QFile::decodeName(QByteArray(path.native().data(), static_cast<qsizetype>(path.native().size())));
}

} // namespace bw
