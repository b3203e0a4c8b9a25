#pragma once
// The error type of the platform layer. Every failure the user can see travels
// in one of these and is shown by the handler boundary in an "Error" box.
#include <stdexcept>
#include <string>

#include "platform/path.h"

namespace bw {

class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

[[noreturn]] void throwListIndexError(long long index);
// The name is shown as the file system spells it, as far as the message's
// code page can hold it.
[[noreturn]] void throwCannotOpen(const Path& path);
[[noreturn]] void throwCannotCreate(const Path& path);
[[noreturn]] void throwNotInteger(const std::string& text);
[[noreturn]] void throwNotFloat(const std::string& text);

} // namespace bw
