#pragma once
// Texts in the program are Windows-1252 bytes; the file system here names
// files in UTF-8. Paths are turned into file-system names at the last moment.
#include <string>

namespace bw {

std::string ansiToUtf8(const std::string& ansi);

} // namespace bw
