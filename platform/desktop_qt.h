#pragma once
// Documents opened with the desktop's program for their type.
#include "platform/dialogs.h"

namespace bw {

class QtDesktop : public IDesktop {
public:
    // Whatever the desktop answers, nothing is shown.
    void openDocument(const Path& path) override;
};

} // namespace bw
