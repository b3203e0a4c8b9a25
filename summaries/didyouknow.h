#pragma once
// The fact of the "Amazing Info!" window.
#include <ctime>
#include <string>

#include "app/mainstate.h"

namespace bw {

// Reads a2.pvd in appDir afresh and picks one line with a generator seeded by
// the clock in seconds, so the same second gives the same fact. A missing
// file raises "Cannot open file %s"; a file without lines
// "List index out of bounds (0)".
std::string chooseFact(const Path& appDir, std::time_t nowSeconds);

// The current time in seconds, as the window seeds with it.
std::time_t factClock();

void Image9Click(MainState& st);

} // namespace bw
