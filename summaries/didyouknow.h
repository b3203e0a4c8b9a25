#pragma once
#include "app/mainstate.h"

namespace bw {

void Image9Click(MainState& st);

} // namespace bw
