#pragma once
// One run per collection: a second copy of the program on the same folder
// would write its older lists over the first one's work.
#include <string>

#include "platform/dialogs.h"
#include "platform/path.h"

namespace bw {

enum class LockOutcome {
    Taken,         // this run holds the folder (a lock left by a killed run does not count)
    HeldByAnother, // another run holds it
    NotPossible,   // no lock can be made there (a read-only folder): nothing can be written either
};

class ICollectionLock {
public:
    virtual ~ICollectionLock() = default;
    // Held until the object goes.
    virtual LockOutcome tryLock(const Path& lockFile) = 0;
};

// The lock file of a program folder.
Path lockFilePath(const Path& appDir);

// Takes the collection for this run. When another run holds it, says so in an
// Information box and returns false: the caller ends without touching a file.
bool takeCollection(ICollectionLock& lock, IMessageBoxes& boxes, const Path& appDir);

} // namespace bw
