#pragma once
// The error type of the platform layer. Every failure the user can see travels
// in one of these and is shown by the handler boundary in an "Error" box.
#include <stdexcept>
#include <string>

#include "platform/path.h"

namespace bw {

class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message, std::string reason = {})
        : std::runtime_error(message), reason_(std::move(reason))
    {
    }
    // The system's reason ("No space left on device"), shown beneath the
    // message; empty when there is none.
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// The user declined to go on (for instance to overwrite a changed file): the
// running handler stops and nothing is shown.
class Declined : public std::exception {
public:
    const char* what() const noexcept override { return "declined"; }
};

// The system's text for an errno value, in English whatever the locale.
std::string systemReason(int err);

[[noreturn]] void throwListIndexError(long long index);
// The name is shown as the file system spells it, as far as the message's
// code page can hold it. err: the errno value that says why (0: no reason
// shown).
[[noreturn]] void throwCannotOpen(const Path& path, int err = 0);
[[noreturn]] void throwCannotCreate(const Path& path, int err = 0);
// The same, with the program's own reason in place of the system's.
[[noreturn]] void throwCannotCreate(const Path& path, const std::string& reason);
[[noreturn]] void throwNotInteger(const std::string& text);
[[noreturn]] void throwNotFloat(const std::string& text);

} // namespace bw
