#pragma once
// The one error path: an error leaves the running handler and its message is
// shown in an "Error" box; the program goes on. Nothing escapes into Qt.
#include <exception>
#include <string>
#include <utility>

#include "platform/dialogs.h"
#include "platform/error.h"

namespace bw {

void showErrorBox(IMessageBoxes& boxes, const char* message) noexcept;
// The message, and the system's reason beneath it when there is one.
void showErrorBox(IMessageBoxes& boxes, const std::exception& e) noexcept;
// The text of that box.
std::string errorBoxText(const std::exception& e);

template <class F> void runHandler(IMessageBoxes& boxes, F&& handler) noexcept
{
    try {
        std::forward<F>(handler)();
    } catch (const Declined&) {
        // The user said no to a question; that question was the message.
    } catch (const std::exception& e) {
        showErrorBox(boxes, e);
    } catch (...) {
        showErrorBox(boxes, "Unknown error");
    }
}

} // namespace bw
