#pragma once
// A file-system name: the system's own bytes (UTF-8 on a Linux desktop),
// whatever letters, blanks or signs they hold. It is a type of its own, not a
// std::string, so that a collection text (Windows-1252) never becomes a path
// by accident, nor a path a text: the only crossings are named functions.
#include <ostream>
#include <string>
#include <string_view>

namespace bw {

class Path {
public:
    Path() = default;
    // The name exactly as the system spells it.
    static Path fromNative(std::string bytes)
    {
        Path p;
        p.bytes_ = std::move(bytes);
        return p;
    }

    const std::string& native() const { return bytes_; }
    const char* c_str() const { return bytes_.c_str(); }
    bool empty() const { return bytes_.empty(); }
    void clear() { bytes_.clear(); }
    bool isAbsolute() const { return !bytes_.empty() && bytes_.front() == '/'; }

    // This folder + "/" + a name inside it (given in the system's bytes).
    Path operator/(std::string_view name) const;
    // The folder holding this one: everything before the last "/" (empty
    // when there is none).
    Path parent() const;
    // The last part of the name, after the last "/".
    std::string_view fileName() const;
    // When this path lies inside folder: the part after folder + "/".
    bool relativeTo(const Path& folder, std::string& relative) const;

    // The name as a Windows-1252 text for a message; letters the code page
    // cannot hold show as "?". Never stored and never turned back into a path.
    std::string messageText() const;

    friend bool operator==(const Path&, const Path&) = default;
    friend auto operator<=>(const Path&, const Path&) = default;

private:
    std::string bytes_;
};

// For test failure messages.
inline std::ostream& operator<<(std::ostream& out, const Path& p)
{
    return out << p.native();
}

} // namespace bw
