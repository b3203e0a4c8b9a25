#pragma once
// The collection lock through QLockFile: it records the holder's process and
// host, and takes over a lock whose holder is gone (a crash, a kill -9).
#include <QLockFile>
#include <memory>

#include "app/collectionlock.h"

namespace bw {

class QtCollectionLock : public ICollectionLock {
public:
    LockOutcome tryLock(const Path& lockFile) override;

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace bw
