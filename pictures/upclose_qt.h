#pragma once
#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/dialogs.h"

class QWidget;

namespace bw {

// "Here I am, up close and personal...", modal over owner.
void showCloseupWindow(QWidget* owner, const Bitmap* picture);

} // namespace bw
