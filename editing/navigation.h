#pragma once
#include "app/mainstate.h"

namespace bw {

// The record slider's change handler.
void recordslideChange(MainState& st);

} // namespace bw
