#pragma once
// The error type of the platform layer. Every failure the user can see travels
// in one of these and is shown by the handler boundary in an "Error" box.
#include <stdexcept>
#include <string>

namespace bw {

class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

[[noreturn]] void throwListIndexError(long long index);
[[noreturn]] void throwCannotOpen(const std::string& path);
[[noreturn]] void throwCannotCreate(const std::string& path);
[[noreturn]] void throwNotInteger(const std::string& text);
[[noreturn]] void throwNotFloat(const std::string& text);

} // namespace bw
