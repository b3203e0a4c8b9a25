#pragma once
// Whole-file reads and crash-safe whole-file writes.
#include <cstddef>
#include <optional>
#include <string>

#include "platform/path.h"

namespace bw {

// Anything at the path counts (a folder too, which then fails to read).
bool fileExists(const Path& path);

// A regular file (through links); a folder or a missing name is not one.
bool isRegularFile(const Path& path);

// Creates the folder when it is not there yet; "Cannot create file %s" when
// it cannot be made.
void makeFolder(const Path& path);

// Reads the whole file; "Cannot open file %s" when it cannot be read.
std::string readWholeFile(const Path& path);

// Writes a new file beside the old one, flushes it to disk and renames it over
// the old one (through a symbolic link, onto its target; keeping the old
// file's permissions). On any failure the old file is untouched, the temporary file is
// removed and "Cannot create file %s" is raised.
void writeFileAtomically(const Path& path, const std::string& bytes);

// Test seams: make the next writes fail after this many bytes (nullopt:
// never); make reading this one path fail (empty: none).
void failWritesAfterBytes(std::optional<std::size_t> bytes);
void failReadsOf(const Path& path);

} // namespace bw
