#include "app/collectionlock_qt.h"

#include "platform/path_qt.h"

namespace bw {

LockOutcome QtCollectionLock::tryLock(const Path& lockFile)
{
    lock_ = std::make_unique<QLockFile>(pathToQt(lockFile));
    // A run may last for days: only a holder that is gone makes a lock stale,
    // never its age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return LockOutcome::Taken;
    const bool held = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    return held ? LockOutcome::HeldByAnother : LockOutcome::NotPossible;
}

} // namespace bw
