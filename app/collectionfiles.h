#pragma once
// Writing the run's lists to their files.
#include <string>

#include "app/mainstate.h"

namespace bw {

// saveListFile, except for a file that could not be read at start-up: that
// one raises "Cannot create file %s" and stays as it is.
void saveDataFile(const MainState& st, const StringList& list, const std::string& name);

// Loads a list at start-up; a file that exists but cannot be read is
// remembered so that it is never overwritten.
void loadDataFile(MainState& st, StringList& list, const std::string& name);

} // namespace bw
