#include "platform/error.h"

#include <cstring>
#include <locale.h>

namespace bw {

std::string systemReason(int err)
{
    if (err == 0)
        return {};
    // The C locale's texts: the same on every desktop, and plain ASCII, so
    // they pass the Windows-1252 boundary unchanged.
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c ? std::string(strerror_l(err, c)) : std::string(std::strerror(err));
}

void throwListIndexError(long long index)
{
    throw PlatformError("List index out of bounds (" + std::to_string(index) + ")");
}

void throwCannotOpen(const Path& path, int err)
{
    throw PlatformError("Cannot open file " + path.messageText(), systemReason(err));
}

void throwCannotCreate(const Path& path, int err)
{
    throw PlatformError("Cannot create file " + path.messageText(), systemReason(err));
}

void throwCannotCreate(const Path& path, const std::string& reason)
{
    throw PlatformError("Cannot create file " + path.messageText(), reason);
}

void throwNotInteger(const std::string& text)
{
    throw PlatformError("'" + text + "' is not a valid integer value");
}

void throwNotFloat(const std::string& text)
{
    throw PlatformError("'" + text + "' is not a valid floating point value");
}

} // namespace bw
