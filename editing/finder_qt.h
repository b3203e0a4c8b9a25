#pragma once
#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/dialogs.h"

class QWidget;

namespace bw {

// "SEARCH", modal over owner; OK sets searchText and searchKind.
void showSearchWindow(QWidget* owner, std::string& searchText, int& searchKind);

} // namespace bw
