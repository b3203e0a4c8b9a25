#pragma once
// The collection's files in the program folder.
#include <string>

#include "platform/path.h"
#include "platform/stringlist.h"

namespace bw {

enum class DateOrder { MonthFirst, DayFirst };

// The folder of the program file, without a trailing "/".
Path appDirFromProgramPath(const Path& programPath);

// appDir + "/" + name; the names are the program's own, plain ASCII.
Path dataFilePath(const Path& appDir, const std::string& name);

// Loads the list from the file when it exists; otherwise the list keeps its
// contents. A dangling link stands for a file that cannot be read. state:
// what the file was as it was read (no file: a state without one).
void loadListFile(StringList& list, const Path& appDir, const std::string& name,
                  FileState* state = nullptr);

// Writes the list to the file, replacing it atomically.
void saveListFile(const StringList& list, const Path& appDir, const std::string& name);

// bindle.ini: first line "USA" (a-z upper-cased) is MonthFirst, anything else
// DayFirst; a missing or empty file is MonthFirst.
DateOrder readDateOrder(const Path& appDir);

} // namespace bw
