#include "app/collectionlock.h"

namespace bw {

std::string lockFilePath(const std::string& fsAppDir)
{
    return fsAppDir + "/.bindlewick.lock";
}

bool takeCollection(ICollectionLock& lock, IMessageBoxes& boxes, const std::string& fsAppDir)
{
    if (lock.tryLock(lockFilePath(fsAppDir)) != LockOutcome::HeldByAnother)
        return true;
    boxes.show(MsgKind::Information, "Bindlewick is already running with this collection.", MsgButtons::Ok);
    return false;
}

} // namespace bw
