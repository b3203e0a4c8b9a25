#include "platform/path.h"

#include "platform/ansi.h"

namespace bw {

Path Path::operator/(std::string_view name) const
{
    std::string joined = bytes_;
    if (joined.empty() || joined.back() != '/')
        joined += '/';
    joined += name;
    return fromNative(std::move(joined));
}

Path Path::parent() const
{
    const auto slash = bytes_.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return fromNative(bytes_.substr(0, slash == 0 ? 1 : slash));
}

std::string_view Path::fileName() const
{
    const auto slash = bytes_.find_last_of('/');
    return std::string_view(bytes_).substr(slash == std::string::npos ? 0 : slash + 1);
}

bool Path::relativeTo(const Path& folder, std::string& relative) const
{
    if (folder.empty())
        return false;
    std::string prefix = folder.bytes_;
    if (prefix.back() != '/')
        prefix += '/';
    if (bytes_.size() <= prefix.size() || bytes_.compare(0, prefix.size(), prefix) != 0)
        return false;
    relative = bytes_.substr(prefix.size());
    return true;
}

std::string Path::messageText() const
{
    return utf8ToAnsiLossy(bytes_);
}

} // namespace bw
