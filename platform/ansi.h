#pragma once
// Texts in the program are Windows-1252 bytes; the file system here names
// files in UTF-8. These are the only conversions between the two.
#include <optional>
#include <string>
#include <string_view>

namespace bw {

std::string ansiToUtf8(const std::string& ansi);

// The Windows-1252 spelling of a UTF-8 text, or nothing when the text is not
// valid UTF-8 or holds a character the code page cannot hold.
std::optional<std::string> utf8ToAnsi(std::string_view utf8);

// As utf8ToAnsi, with "?" for every character that cannot be written. Only
// for showing a name in a message.
std::string utf8ToAnsiLossy(std::string_view utf8);

} // namespace bw
