#pragma once
#include "app/mainstate.h"

namespace bw {

void savebuttClick(MainState& st);
void deletebuttonClick(MainState& st);

} // namespace bw
