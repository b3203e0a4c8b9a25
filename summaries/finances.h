#pragma once
#include "app/mainstate.h"

namespace bw {

void treasurebuttonClick(MainState& st);

} // namespace bw
