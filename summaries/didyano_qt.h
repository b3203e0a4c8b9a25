#pragma once
#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/dialogs.h"

class QWidget;

namespace bw {

// "Amazing Info!", modal over owner (which may be null); errors of its
// activation are shown through boxes.
void showDidYouKnowWindow(QWidget* owner, const std::string& appDir, IMessageBoxes& boxes);

} // namespace bw
