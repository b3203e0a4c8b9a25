#pragma once
// Copies of the data files as they were before the program replaced them, in
// a "backups" folder: the first version of each of the last 14 days on which
// a file was written, and the versions before its last 10 writes.
//
//   a3.pvd.2026-12-11             the day's copy (before its first write)
//   a3.pvd.2026-12-11_15-30-12    the copy before the write at that time
//   a3.pvd.2026-12-11_15-30-12_2  a second write within that second
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/path.h"

namespace bw {

using Clock = std::function<std::chrono::system_clock::time_point()>;

constexpr int kDailyBackups = 14;
constexpr int kRecentBackups = 10;

// One file about to be replaced: its name in the backups folder ("a3.pvd")
// and where its present content lies.
struct BackupSource {
    std::string name;
    Path path;
};

struct BackupResult {
    // The copies made, so that they can be dropped if the write fails.
    std::vector<Path> made;
    // Empty when every copy was made; else the errno text of the first failure.
    std::string failure;
    std::string failedName;
};

// Keeps the present content of each file (no file: nothing to keep). Never
// throws. A hard link where the file system allows it (the old file is never
// written again, only replaced), else a copy.
BackupResult makeBackups(const Path& folder, const std::vector<BackupSource>& files,
                         std::chrono::system_clock::time_point now);

// Drops copies made for a write that did not happen.
void discardBackups(const std::vector<Path>& made);

// Removes the copies of one file beyond the days and writes kept.
void pruneBackups(const Path& folder, const std::string& name);

// The copies of one file in the folder, oldest first (for tests and the help).
std::vector<std::string> backupsOf(const Path& folder, const std::string& name);

} // namespace bw
