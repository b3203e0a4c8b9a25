#pragma once
#include "app/mainstate.h"

namespace bw {

void searchbuttonClick(MainState& st);

} // namespace bw
