#pragma once
// Opening and closing the main window.
#include "app/mainstate.h"

namespace bw {

// programPath: the program file, links resolved.
void FormCreate(MainState& st, const Path& programPath);
void FormClose(MainState& st);
void helpbuttonClick(MainState& st);

} // namespace bw
