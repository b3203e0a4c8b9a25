#include "platform/error.h"

namespace bw {

void throwListIndexError(long long index)
{
    throw PlatformError("List index out of bounds (" + std::to_string(index) + ")");
}

void throwCannotOpen(const std::string& path)
{
    throw PlatformError("Cannot open file " + path);
}

void throwCannotCreate(const std::string& path)
{
    throw PlatformError("Cannot create file " + path);
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
