#pragma once
// An ordered list of single-byte text lines, the platform's string list.
// Bytes are kept exactly as read (Windows-1252 on disk, never converted).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/atomicfile.h"

namespace bw {

class StringList {
public:
    int count() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }

    // Index outside the list: "List index out of bounds (%d)".
    const std::string& at(int index) const;
    void set(int index, std::string line);
    void add(std::string line)
    {
        lines_.push_back(std::move(line));
        revision_.bump();
    }
    void insert(int index, std::string line);
    void remove(int index);
    void clear()
    {
        lines_.clear();
        revision_.bump();
    }

    // Removes every line for which drop(line) is true, keeping order; one pass.
    template <class Pred> void removeIf(Pred drop)
    {
        std::erase_if(lines_, drop);
        revision_.bump();
    }

    // Changes with every change of the lines and is never the same for two
    // lists, so a reader can keep data worked out from the lines and tell
    // when it is out of date.
    std::uint64_t revision() const { return revision_.value; }

    const std::vector<std::string>& lines() const { return lines_; }

    // Replaces the contents with the file's lines. A line ends at CR LF, CR or
    // LF; the last one needs no end. "Cannot open file %s" when unreadable.
    // state: what the file was as it was read.
    void loadFromFile(const Path& path, FileState* state = nullptr);
    // Writes every line ended by CR LF, replacing the file in one rename so a
    // failure never leaves a torn file. "Cannot create file %s" on failure.
    FileState saveToFile(const Path& path) const;
    // The file's bytes: every line ended by CR LF.
    std::string joined() const;

    static std::vector<std::string> splitLines(const std::string& bytes);

private:
    // Single-threaded, like the rest of the program.
    struct Revision {
        Revision() : value(++last) {}
        Revision(const Revision&) : Revision() {}
        Revision(Revision&& from) noexcept : Revision() { from.bump(); }
        Revision& operator=(const Revision&)
        {
            bump();
            return *this;
        }
        Revision& operator=(Revision&& from) noexcept
        {
            bump();
            from.bump();
            return *this;
        }
        void bump() { value = ++last; }
        std::uint64_t value;
        static inline std::uint64_t last = 0;
    };

    std::vector<std::string> lines_;
    Revision revision_;
};

} // namespace bw
