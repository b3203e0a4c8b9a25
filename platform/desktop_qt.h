#pragma once
// Documents opened with the desktop's program for their type.
#include "platform/dialogs.h"

namespace bw {

class QtDesktop : public IDesktop {
public:
    // Whatever the desktop answers, nothing is shown.
    void openDocument(const std::string& path) override;
};

} // namespace bw
