#pragma once
// Writing the run's lists to their files, and reading them back.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/mainstate.h"

namespace bw {

// Asks, for each of these files that something else changed on disk since
// this run last read or wrote it, whether to overwrite it (No is the
// default). No raises Declined: call it before the lists change, so that a No
// leaves both the file and the lists as they are.
void confirmOverwrite(MainState& st, std::initializer_list<const char*> names);

// Writes the lists to their files together: every new file is on disk before
// the first is put in place. Asks first about changed files; a file that
// could not be read at start-up raises "Cannot create file %s" and stays as it
// is. The old content is kept in the backups folder first; a backup that
// cannot be made does not stop the write, and is told once per run.
void saveDataFiles(MainState& st, const std::vector<std::pair<const StringList*, const char*>>& lists);
void saveDataFile(MainState& st, const StringList& list, const char* name);
// a3.pvd and a4.pvd.
void saveCollection(MainState& st);

// Loads a list at start-up; a file that exists but cannot be read is
// remembered so that it is never overwritten.
void loadDataFile(MainState& st, StringList& list, const std::string& name);
// Reads a list back after writing it.
void reloadDataFile(MainState& st, StringList& list, const std::string& name);

// The folder of the backups.
Path backupFolder(const MainState& st);

} // namespace bw
