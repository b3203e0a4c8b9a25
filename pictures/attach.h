#pragma once
#include "app/mainstate.h"

namespace bw {

enum class MouseButton { Left, Right, Middle };

void scroll1DblClick(MainState& st);
void Label19DblClick(MainState& st);
void beanimgDblClick(MainState& st);
void beanimgMouseDown(MainState& st, MouseButton button);

} // namespace bw
