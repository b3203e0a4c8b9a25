#pragma once
// Qt names files with QString; the logic with the system's bytes. These two
// cross between them, never through the Windows-1252 text conversion.
#include <QString>

#include "platform/path.h"

namespace bw {

Path pathFromQt(const QString& name);
QString pathToQt(const Path& path);

} // namespace bw
