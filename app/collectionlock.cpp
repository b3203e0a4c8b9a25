#include "app/collectionlock.h"

namespace bw {

Path lockFilePath(const Path& appDir)
{
    return appDir / ".bindlewick.lock";
}

bool takeCollection(ICollectionLock& lock, IMessageBoxes& boxes, const Path& appDir)
{
    if (lock.tryLock(lockFilePath(appDir)) != LockOutcome::HeldByAnother)
        return true;
    boxes.show(MsgKind::Information, "Bindlewick is already running with this collection.", MsgButtons::Ok);
    return false;
}

} // namespace bw
