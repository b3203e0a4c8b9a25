#include "platform/guard.h"

#include <cstdio>

namespace bw {

void showErrorBox(IMessageBoxes& boxes, const char* message) noexcept
{
    try {
        boxes.show(MsgKind::Error, message, MsgButtons::Ok);
    } catch (...) {
        std::fprintf(stderr, "Error: %s\n", message);
    }
}

} // namespace bw
