#include "platform/stringlist.h"

#include "platform/atomicfile.h"
#include "platform/error.h"

namespace bw {

const std::string& StringList::at(int index) const
{
    if (index < 0 || index >= count())
        throwListIndexError(index);
    return lines_[static_cast<std::size_t>(index)];
}

void StringList::set(int index, std::string line)
{
    if (index < 0 || index >= count())
        throwListIndexError(index);
    lines_[static_cast<std::size_t>(index)] = std::move(line);
    revision_.bump();
}

void StringList::insert(int index, std::string line)
{
    if (index < 0 || index > count())
        throwListIndexError(index);
    lines_.insert(lines_.begin() + index, std::move(line));
    revision_.bump();
}

void StringList::remove(int index)
{
    if (index < 0 || index >= count())
        throwListIndexError(index);
    lines_.erase(lines_.begin() + index);
    revision_.bump();
}

std::vector<std::string> StringList::splitLines(const std::string& bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            out.emplace_back(bytes, start, i - start);
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n)
        out.emplace_back(bytes, start, n - start);
    return out;
}

void StringList::loadFromFile(const Path& path, FileState* state)
{
    lines_ = splitLines(readWholeFile(path, state));
    revision_.bump();
}

FileState StringList::saveToFile(const Path& path) const
{
    return writeFileAtomically(path, joined());
}

std::string StringList::joined() const
{
    std::size_t total = 0;
    for (const auto& l : lines_)
        total += l.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const auto& l : lines_) {
        bytes += l;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace bw
