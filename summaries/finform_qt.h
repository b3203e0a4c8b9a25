#pragma once
#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/dialogs.h"

class QWidget;

namespace bw {

// "A brief look at finances -- ", modal over owner.
void showFinancesWindow(QWidget* owner, const std::array<float, 12>& figures);

} // namespace bw
