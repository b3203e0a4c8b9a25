#pragma once
// The one error path: an error leaves the running handler and its message is
// shown in an "Error" box; the program goes on. Nothing escapes into Qt.
#include <exception>
#include <utility>

#include "platform/dialogs.h"
#include "platform/error.h"

namespace bw {

void showErrorBox(IMessageBoxes& boxes, const char* message) noexcept;

template <class F> void runHandler(IMessageBoxes& boxes, F&& handler) noexcept
{
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& e) {
        showErrorBox(boxes, e.what());
    } catch (...) {
        showErrorBox(boxes, "Unknown error");
    }
}

} // namespace bw
