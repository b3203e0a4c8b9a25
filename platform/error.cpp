#include "platform/error.h"

namespace bw {

void throwListIndexError(long long index)
{
    throw PlatformError("List index out of bounds (" + std::to_string(index) + ")");
}

void throwCannotOpen(const Path& path)
{
    throw PlatformError("Cannot open file " + path.messageText());
}

void throwCannotCreate(const Path& path)
{
    throw PlatformError("Cannot create file " + path.messageText());
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
