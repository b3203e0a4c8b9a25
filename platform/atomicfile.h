#pragma once
// Whole-file reads and crash-safe whole-file writes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/path.h"

namespace bw {

// What a file was when it was last read or written: a change by anything else
// (a restore, a synchronisation, an editor) changes at least one of these.
struct FileState {
    bool exists = false;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t mtimeNs = 0;
    bool operator==(const FileState&) const = default;
};

// Follows links; a missing file or a dangling link is a state without a file.
FileState fileStateOf(const Path& path);

// Anything at the path counts (a folder too, which then fails to read).
bool fileExists(const Path& path);
// As fileExists, and a dangling link counts too: a data file behind a broken
// link must not read as an empty collection.
bool somethingAt(const Path& path);

// A regular file (through links); a folder or a missing name is not one.
bool isRegularFile(const Path& path);

// Creates the folder when it is not there yet; "Cannot create file %s" when
// it cannot be made.
void makeFolder(const Path& path);

// Reads the whole file; "Cannot open file %s" with the reason when it cannot
// be read. state: what the file was as it was read.
std::string readWholeFile(const Path& path, FileState* state = nullptr);

// One file of a write: its path and new bytes; after the write, what the
// new file is and whether it was put in place.
struct FileWrite {
    Path path;
    const std::string* bytes = nullptr;
    FileState written;
    bool replaced = false;
    // Where the bytes really go (a linked file's target), known once the
    // new file is ready.
    Path target;
};

// Called with every file ready on disk, before the first one is put in place.
using BeforeReplace = std::function<void(std::vector<FileWrite>& files)>;

// Writes each new file beside its old one under a unique hidden name and
// flushes it; only when all are on disk are they renamed over the old ones,
// in order (through a symbolic link, onto its target; keeping the old file's
// permissions). A file whose write bits are all off is not replaced, nor is a
// dangling link. On a failure before the renames nothing is replaced and the
// new files are removed; "Cannot create file %s" with the reason is raised.
void writeFilesAtomically(std::vector<FileWrite>& files, const BeforeReplace& beforeReplace = {});
FileState writeFileAtomically(const Path& path, const std::string& bytes);

// Where a write of path lands: the path itself, or the target of the
// symbolic link standing there, so the link survives. 0, or the errno that
// forbids the write (a dangling link).
int resolveWriteTarget(const Path& path, Path& target);

// Removes new files that a killed run left beside these data files.
void removeLeftoverTempFiles(const std::vector<Path>& paths);

// Test seams: make the next writes fail after this many bytes (nullopt:
// never) as a full disk would; make reading this one path fail (empty: none);
// run this between two renames of one write (empty: nothing).
void failWritesAfterBytes(std::optional<std::size_t> bytes);
void failReadsOf(const Path& path);
void betweenRenames(std::function<void()> hook);

} // namespace bw
