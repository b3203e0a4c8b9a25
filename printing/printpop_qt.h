#pragma once
// The print menu's items: the six printouts, then the same six saved as PDF,
// then the collection exported as CSV.
#include <array>
#include <functional>

#include "app/mainstate.h"

class QMenu;

namespace bw {

using MenuHandler = std::function<void(MainState&)>;

// printHandlers: the six printouts' handlers in menu order, read when an item
// is chosen. run: runs a handler at the window's error boundary.
void fillPrintMenu(QMenu* menu, const std::array<MenuHandler*, 6>& printHandlers,
                   const std::function<void(const MenuHandler&)>& run);

} // namespace bw
