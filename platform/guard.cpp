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

std::string errorBoxText(const std::exception& e)
{
    std::string text = e.what();
    if (const auto* pe = dynamic_cast<const PlatformError*>(&e); pe && !pe->reason().empty())
        text += "\n" + pe->reason();
    return text;
}

void showErrorBox(IMessageBoxes& boxes, const std::exception& e) noexcept
{
    try {
        showErrorBox(boxes, errorBoxText(e).c_str());
    } catch (...) {
        showErrorBox(boxes, e.what());
    }
}

} // namespace bw
