#pragma once
// Whole-file reads and crash-safe whole-file writes.
#include <cstddef>
#include <optional>
#include <string>

namespace bw {

// Anything at the path counts (a folder too, which then fails to read).
bool fileExists(const std::string& path);

// Reads the whole file; "Cannot open file %s" when it cannot be read.
std::string readWholeFile(const std::string& path);

// Writes a new file beside the old one, flushes it to disk and renames it over
// the old one. On any failure the old file is untouched, the temporary file is
// removed and "Cannot create file %s" is raised.
void writeFileAtomically(const std::string& path, const std::string& bytes);

// Test seam: make the next writes fail after this many bytes (nullopt: never).
void failWritesAfterBytes(std::optional<std::size_t> bytes);

} // namespace bw
